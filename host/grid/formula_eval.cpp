#include "formula_eval.h"

#include <cmath>

#include "formula_builtins.h"
#include "formula_case.h"
#include "formula_code.h"
#include "formula_decimal.h"
#include "formula_value_text.h"

void EvalValue::setNumber(double v) {
    if (std::isfinite(v)) {
        kind = EvalKind::Number;
        num = v;
    } else {
        setError(FormulaError::Num);
    }
}

namespace {

int rank(EvalKind k) {
    switch (k) {
        case EvalKind::Number:
            return 0;
        case EvalKind::Text:
            return 1;
        default:
            return 2;  // Logical
    }
}

// Numbers compare as their 15-significant-digit forms. Snapping moves a value by less than
// 1e-14 of its size, so numbers further apart than that keep their order and need no snap.
int compareNumbers(double x, double y) {
    if (x == y) return 0;
    double scale = std::fmax(std::fabs(x), std::fabs(y));
    if (std::fabs(x - y) <= scale * 1e-14) {
        x = snap15(x);
        y = snap15(y);
        if (x == y) return 0;
    }
    return x < y ? -1 : 1;
}

}  // namespace

int compareValues(const EvalValue& a, const EvalValue& b) {
    EvalKind ka = a.kind, kb = b.kind;
    if (ka == EvalKind::Empty && kb == EvalKind::Empty) return 0;
    if (ka == EvalKind::Empty) return -compareValues(b, a);
    if (kb == EvalKind::Empty) {
        if (ka == EvalKind::Text) return a.text.empty() ? 0 : 1;
        return compareNumbers(a.num, 0.0);
    }
    if (rank(ka) != rank(kb)) return rank(ka) < rank(kb) ? -1 : 1;
    if (ka == EvalKind::Text) return compareNoCase(a.text, b.text);
    return compareNumbers(a.num, b.num);
}

void FormulaEvaluator::derefCell(EvalValue& v) {
    if (v.kind == EvalKind::Ref) {
        host_.readCell(v.c1, v.r1, v);
    } else if (v.kind == EvalKind::Range) {
        if (v.c1 == v.c2 && v.r1 == v.r2)
            host_.readCell(v.c1, v.r1, v);
        else
            v.setError(FormulaError::Value);
    }
}

FormulaError FormulaEvaluator::number(EvalValue& v, double& out) {
    deref(v);
    switch (v.kind) {
        case EvalKind::Empty:
            out = 0;
            return FormulaError::None;
        case EvalKind::Number:
        case EvalKind::Logical:
            out = v.num;
            return FormulaError::None;
        case EvalKind::Text: {
            auto parsed = parseNumberText(v.text);
            if (!parsed) return FormulaError::Value;
            out = *parsed;
            return FormulaError::None;
        }
        case EvalKind::Error:
            return v.error;
        default:
            return FormulaError::Value;
    }
}

FormulaError FormulaEvaluator::text(EvalValue& v, std::string& out) {
    deref(v);
    switch (v.kind) {
        case EvalKind::Empty:
            out.clear();
            return FormulaError::None;
        case EvalKind::Number:
            out = formatNumberGeneral(v.num);
            return FormulaError::None;
        case EvalKind::Logical:
            out = v.num != 0 ? "TRUE" : "FALSE";
            return FormulaError::None;
        case EvalKind::Text:
            out = v.text;
            return FormulaError::None;
        case EvalKind::Error:
            return v.error;
        default:
            return FormulaError::Value;
    }
}

FormulaError FormulaEvaluator::logical(EvalValue& v, bool& out) {
    deref(v);
    if (v.kind == EvalKind::Text) {
        if (equalNoCase(v.text, "TRUE") || equalNoCase(v.text, "FALSE")) {
            out = equalNoCase(v.text, "TRUE");
            return FormulaError::None;
        }
        return FormulaError::Value;
    }
    double d = 0;
    FormulaError e = number(v, d);
    out = d != 0;
    return e;
}

inline unsigned FormulaEvaluator::pushOperand(const std::uint32_t* w) {
    const std::uint32_t head = *w;
    const Op op = codeOp(head);
    EvalValue& v = stack_.emplace_back();
    switch (op) {
        case Op::Number:
            v.setNumber(codeDouble(w + 1));
            return 3;
        case Op::Text:
            v.kind = EvalKind::Text;
            v.text.assign(codeBytes(w + 1));
            return 1 + codeBytesWords(w + 1);
        case Op::Logical:
            v.setLogical(codeA(head) != 0);
            return 1;
        case Op::Error:
            v.setError(static_cast<FormulaError>(codeA(head)));
            return 1;
        case Op::Name:
            v.setError(FormulaError::Name);
            return 1 + codeBytesWords(w + 1);
        case Op::Ref:
        case Op::Range:
            if (codeB(head) & kRefDeleted) {
                v.setError(FormulaError::Ref);
            } else {
                v.kind = op == Op::Ref ? EvalKind::Ref : EvalKind::Range;
                v.c1 = static_cast<int>(w[1]);
                v.r1 = static_cast<int>(w[2]);
                if (op == Op::Range) {
                    v.c2 = static_cast<int>(w[3]);
                    v.r2 = static_cast<int>(w[4]);
                }
            }
            return op == Op::Ref ? 3 : 5;
        default:
            v.setError(FormulaError::Value);
            return codeLength(w);
    }
}

void FormulaEvaluator::run(const std::vector<std::uint32_t>& code, std::size_t offset,
                           std::size_t length, EvalValue& result) {
    const std::size_t base = stack_.size();
    const std::size_t end = offset + length;
    // One dispatch per instruction: each case knows its own length. The next place is taken
    // before a call, whose function may add code (never moving what is there).
    for (std::size_t pc = offset; pc < end;) {
        const std::uint32_t head = code[pc];
        switch (codeOp(head)) {
            case Op::Neg:
            case Op::Plus:
            case Op::Percent:
                unaryOp(head, stack_.back());
                ++pc;
                break;
            case Op::Add:
            case Op::Sub:
            case Op::Mul:
            case Op::Div:
            case Op::Pow:
            case Op::Concat:
            case Op::Eq:
            case Op::Ne:
            case Op::Lt:
            case Op::Gt:
            case Op::Le:
            case Op::Ge:
                binaryOp(head, stack_[stack_.size() - 2], stack_.back());
                stack_.pop_back();
                ++pc;
                break;
            case Op::Paren:
                ++pc;
                break;
            case Op::Builtin:
                call(code, pc, head);
                ++pc;
                break;
            case Op::Call: {
                const std::size_t next = pc + 1 + codeBytesWords(&code[pc + 1]);
                call(code, pc, head);
                pc = next;
                break;
            }
            default:
                pc += pushOperand(&code[pc]);
        }
    }
    if (stack_.size() != base + 1) {  // cannot happen for code the parser made
        stack_.resize(base);
        result.setError(FormulaError::Value);
        return;
    }
    result = std::move(stack_.back());
    stack_.pop_back();
    if (result.isRef()) {
        deref(result);
        if (result.kind == EvalKind::Empty) result.setNumber(0);  // =A1 with A1 empty is 0
    }
}

void FormulaEvaluator::unaryOp(std::uint32_t head, EvalValue& v) {
    double d = 0;
    FormulaError e = number(v, d);
    if (e != FormulaError::None) return v.setError(e);
    switch (codeOp(head)) {
        case Op::Neg:
            return v.setNumber(-d);
        case Op::Percent:
            return v.setNumber(d / 100);
        default:
            return v.setNumber(d);
    }
}

void FormulaEvaluator::binaryOp(std::uint32_t head, EvalValue& a, EvalValue& b) {
    Op op = codeOp(head);
    deref(a);
    deref(b);
    if (a.kind == EvalKind::Error) return;
    if (b.kind == EvalKind::Error) return a.setError(b.error);
    if (op == Op::Concat) return concat(a, b);
    if (op >= Op::Eq) return compare(head, a, b);
    arithmetic(head, a, b);
}

void FormulaEvaluator::arithmetic(std::uint32_t head, EvalValue& a, EvalValue& b) {
    double x = a.num, y = b.num;
    // Two numbers, the usual operands, need no conversion.
    if (a.kind != EvalKind::Number || b.kind != EvalKind::Number) {
        FormulaError e = number(a, x);
        if (e == FormulaError::None) e = number(b, y);
        if (e != FormulaError::None) return a.setError(e);
    }
    switch (codeOp(head)) {
        case Op::Add:
            return a.setNumber(x + y);
        case Op::Sub:
            return a.setNumber(x - y);
        case Op::Mul:
            return a.setNumber(x * y);
        case Op::Div:
            if (y == 0) return a.setError(FormulaError::Div0);
            return a.setNumber(x / y);
        default:  // Pow
            if (x == 0 && y < 0) return a.setError(FormulaError::Div0);
            if (x == 0 && y == 0) return a.setError(FormulaError::Num);
            return a.setNumber(std::pow(x, y));
    }
}

void FormulaEvaluator::compare(std::uint32_t head, EvalValue& a, EvalValue& b) {
    int c = compareValues(a, b);
    bool r = false;
    switch (codeOp(head)) {
        case Op::Eq:
            r = c == 0;
            break;
        case Op::Ne:
            r = c != 0;
            break;
        case Op::Lt:
            r = c < 0;
            break;
        case Op::Gt:
            r = c > 0;
            break;
        case Op::Le:
            r = c <= 0;
            break;
        default:
            r = c >= 0;
    }
    a.setLogical(r);
}

void FormulaEvaluator::concat(EvalValue& a, EvalValue& b) {
    std::string x, y;
    text(a, x);
    text(b, y);
    a.setText(std::move(x) + y);
}

void FormulaEvaluator::call(const std::vector<std::uint32_t>& code, std::size_t pc,
                            std::uint32_t head) {
    const int argc = static_cast<int>(codeA(head));
    const std::size_t first = stack_.size() - static_cast<std::size_t>(argc);
    // The result is made in the slot above the arguments (a nested evaluation borrows a
    // stack of its own, so nothing else grows this one meanwhile).
    EvalValue& out = stack_.emplace_back();
    EvalValue* args = stack_.data() + first;
    if (codeOp(head) == Op::Builtin) {
        builtinAt(static_cast<int>(codeB(head))).fn(*this, args, argc, out);
    } else {
        host_.callCustom(codeBytes(&code[pc + 1]), args, argc, out);
    }
    if (argc > 0) stack_[first] = std::move(stack_.back());
    stack_.resize(first + 1);
}
