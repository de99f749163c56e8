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

void FormulaEvaluator::run(const std::vector<std::uint32_t>& code, std::size_t offset,
                           std::size_t length, EvalValue& result) {
    std::size_t base = stack_.size();
    for (std::size_t pc = offset; pc < offset + length; pc += codeLength(&code[pc])) {
        std::uint32_t head = code[pc];
        Op op = codeOp(head);
        if (op >= Op::Neg && op <= Op::Percent) {
            unaryOp(head, stack_.back());
            continue;
        }
        if (op >= Op::Add && op <= Op::Ge) {
            binaryOp(head, stack_[stack_.size() - 2], stack_.back());
            stack_.pop_back();
            continue;
        }
        switch (op) {
            case Op::Paren:
                break;
            case Op::Builtin:
            case Op::Call:
                call(code, pc, head);
                break;
            default: {
                stack_.emplace_back();
                EvalValue& v = stack_.back();
                const std::uint32_t* w = &code[pc];
                switch (op) {
                    case Op::Number:
                        v.setNumber(codeDouble(w + 1));
                        break;
                    case Op::Text:
                        v.setText(std::string(codeBytes(w + 1)));
                        break;
                    case Op::Logical:
                        v.setLogical(codeA(head) != 0);
                        break;
                    case Op::Error:
                        v.setError(static_cast<FormulaError>(codeA(head)));
                        break;
                    case Op::Name:
                        v.setError(FormulaError::Name);
                        break;
                    case Op::Ref:
                    case Op::Range:
                        if (codeB(head) & kRefDeleted) {
                            v.setError(FormulaError::Ref);
                            break;
                        }
                        v.kind = op == Op::Ref ? EvalKind::Ref : EvalKind::Range;
                        v.c1 = static_cast<int>(w[1]);
                        v.r1 = static_cast<int>(w[2]);
                        if (op == Op::Range) {
                            v.c2 = static_cast<int>(w[3]);
                            v.r2 = static_cast<int>(w[4]);
                        }
                        break;
                    default:
                        v.setError(FormulaError::Value);
                }
            }
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
    int argc = static_cast<int>(codeA(head));
    std::size_t first = stack_.size() - static_cast<std::size_t>(argc);
    EvalValue out;
    if (codeOp(head) == Op::Builtin) {
        builtinAt(static_cast<int>(codeB(head))).fn(*this, stack_.data() + first, argc, out);
    } else {
        std::string name(codeBytes(&code[pc + 1]));
        host_.callCustom(name, stack_.data() + first, argc, out);
    }
    stack_.resize(first);
    stack_.push_back(std::move(out));
}
