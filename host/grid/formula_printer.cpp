#include "formula_printer.h"

#include <vector>

#include "formula_builtins.h"
#include "formula_reference.h"
#include "formula_value.h"
#include "formula_value_text.h"

namespace {

const char* binaryText(Op op) {
    switch (op) {
        case Op::Add:
            return "+";
        case Op::Sub:
            return "-";
        case Op::Mul:
            return "*";
        case Op::Div:
            return "/";
        case Op::Pow:
            return "^";
        case Op::Concat:
            return "&";
        case Op::Eq:
            return "=";
        case Op::Ne:
            return "<>";
        case Op::Lt:
            return "<";
        case Op::Gt:
            return ">";
        case Op::Le:
            return "<=";
        default:
            return ">=";
    }
}

std::string quoted(std::string_view text) {
    std::string s = "\"";
    for (char c : text) {
        s.push_back(c);
        if (c == '"') s.push_back('"');
    }
    return s + "\"";
}

struct PrintContext {
    bool r1c1;
    int hostCol;
    int hostRow;
    std::string ref(int col, int row, bool absCol, bool absRow) const {
        CellReference r{col, row, absCol, absRow};
        return r1c1 ? formatR1C1Reference(r, hostCol, hostRow) : formatA1Reference(r);
    }
};

std::string operandText(const std::uint32_t* w, const PrintContext& ctx) {
    unsigned flags = codeB(*w);
    switch (codeOp(*w)) {
        case Op::Number:
            return formatNumberGeneral(codeDouble(w + 1));
        case Op::Text:
            return quoted(codeBytes(w + 1));
        case Op::Name:
            return std::string(codeBytes(w + 1));
        case Op::Logical:
            return codeA(*w) ? "TRUE" : "FALSE";
        case Op::Error:
            return std::string(formulaErrorText(static_cast<FormulaError>(codeA(*w))));
        case Op::Ref:
            if (flags & kRefDeleted) return "#REF!";
            return ctx.ref(static_cast<int>(w[1]), static_cast<int>(w[2]), flags & kAbsCol1,
                           flags & kAbsRow1);
        default:  // Range
            if (flags & kRefDeleted) return "#REF!";
            return ctx.ref(static_cast<int>(w[1]), static_cast<int>(w[2]), flags & kAbsCol1,
                           flags & kAbsRow1) +
                   ":" +
                   ctx.ref(static_cast<int>(w[3]), static_cast<int>(w[4]), flags & kAbsCol2,
                           flags & kAbsRow2);
    }
}

void printCall(std::vector<std::string>& stack, std::string name, unsigned argc) {
    std::string s = std::move(name) + "(";
    std::size_t first = stack.size() - argc;
    for (std::size_t i = first; i < stack.size(); ++i) {
        if (i > first) s += ",";
        s += stack[i];
    }
    stack.resize(first);
    stack.push_back(s + ")");
}

}  // namespace

std::string printFormula(const std::uint32_t* code, std::size_t length, bool r1c1, int hostCol,
                         int hostRow) {
    PrintContext ctx{r1c1, hostCol, hostRow};
    std::vector<std::string> stack;
    for (std::size_t pc = 0; pc < length; pc += codeLength(code + pc)) {
        const std::uint32_t* w = code + pc;
        Op op = codeOp(*w);
        switch (op) {
            case Op::Neg:
                stack.back() = "-" + stack.back();
                break;
            case Op::Plus:
                stack.back() = "+" + stack.back();
                break;
            case Op::Percent:
                stack.back() += "%";
                break;
            case Op::Paren:
                stack.back() = "(" + stack.back() + ")";
                break;
            case Op::Builtin:
                printCall(stack, std::string(builtinAt(static_cast<int>(codeB(*w))).name),
                          codeA(*w));
                break;
            case Op::Call:
                printCall(stack, std::string(codeBytes(w + 1)), codeA(*w));
                break;
            default:
                if (op >= Op::Add && op <= Op::Ge) {
                    std::string right = std::move(stack.back());
                    stack.pop_back();
                    stack.back() += binaryText(op) + right;
                } else {
                    stack.push_back(operandText(w, ctx));
                }
        }
    }
    return stack.empty() ? std::string() : stack.back();
}
