#include "calc_formula.h"

#include "formula_builtins.h"
#include "formula_parser.h"
#include "vn_ss_functions.h"

namespace {

// One value on the compiled code's stack: where its code starts and ends.
struct Operand {
    size_t begin = 0, end = 0;
};

// How many operands an instruction takes from the stack (every instruction leaves one).
unsigned operandsTaken(std::uint32_t head) {
    switch (codeOp(head)) {
        case Op::Number:
        case Op::Text:
        case Op::Logical:
        case Op::Error:
        case Op::Ref:
        case Op::Range:
        case Op::Name:
            return 0;
        case Op::Neg:
        case Op::Plus:
        case Op::Percent:
        case Op::Paren:
            return 1;
        case Op::Builtin:
        case Op::Call:
            return codeA(head);
        default:
            return 2;
    }
}

void noteCall(CalcFormula& f, const Code& code, size_t at, const std::vector<Operand>& stack) {
    const std::uint32_t head = code[at];
    CalcCall call;
    call.argCount = static_cast<int>(codeA(head));
    call.builtin = codeOp(head) == Op::Builtin;
    call.name = call.builtin ? std::string(builtinAt(static_cast<int>(codeB(head))).name)
                             : std::string(codeBytes(&code[at + 1]));
    if (call.argCount > 0 && stack.size() >= static_cast<size_t>(call.argCount)) {
        const Operand& first = stack[stack.size() - static_cast<size_t>(call.argCount)];
        const bool single = first.end - first.begin == codeLength(&code[first.begin]);
        if (single && codeOp(code[first.begin]) == Op::Text) {
            call.firstArgIsText = true;
            call.firstArg = std::string(codeBytes(&code[first.begin + 1]));
        }
    }
    f.calls.push_back(std::move(call));
}

void noteOperand(CalcFormula& f, const Code& code, size_t at) {
    const std::uint32_t* w = &code[at];
    switch (codeOp(*w)) {
        case Op::Ref:
            f.cells.emplace_back(static_cast<int>(w[1]), static_cast<int>(w[2]));
            break;
        case Op::Range:
            f.ranges.push_back({{static_cast<int>(w[1]), static_cast<int>(w[2])},
                                {static_cast<int>(w[3]), static_cast<int>(w[4])}});
            break;
        case Op::Name:
            f.unknownNames.emplace_back(codeBytes(w + 1));
            break;
        default:
            break;
    }
}

// Walks the code in order, keeping the operand stack, so that each call sees its arguments.
void walk(CalcFormula& f, const Code& code) {
    std::vector<Operand> stack;
    for (size_t at = 0; at < code.size(); at += codeLength(&code[at])) {
        const std::uint32_t head = code[at];
        const unsigned taken = operandsTaken(head);
        if (codeOp(head) == Op::Builtin || codeOp(head) == Op::Call) noteCall(f, code, at, stack);
        noteOperand(f, code, at);
        Operand result{at, at + codeLength(&code[at])};
        if (taken > 0 && stack.size() >= taken) {
            result.begin = stack[stack.size() - taken].begin;
            stack.resize(stack.size() - taken);
        }
        stack.push_back(result);
    }
}

}  // namespace

bool CalcFormula::reads(int col, int row) const {
    for (const auto& [c, r] : cells)
        if (c == col && r == row) return true;
    for (const auto& [from, to] : ranges)
        if (col >= from.first && col <= to.first && row >= from.second && row <= to.second)
            return true;
    return false;
}

CalcFormula readCalcFormula(const std::string& expression, const VnStandardsCalcIndex& index) {
    CalcFormula f;
    index.coordinates().apply(expression, f.translated);
    FormulaParseOptions options;
    options.keepUnknownNames = true;
    options.isCustomFunction = [](std::string_view upper) {
        return VnSSFunctions::find(std::string(upper).c_str()) != nullptr;
    };
    Code code;
    const FormulaResult result = FormulaParser(f.translated, options, code).parse();
    if (!result) {
        f.error = result.message;
        return f;
    }
    f.parsed = true;
    walk(f, code);
    return f;
}
