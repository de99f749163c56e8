// The compiled form of a formula: a flat sequence of 32-bit words in reverse Polish order.
//
// Each instruction starts with a head word (op in bits 0-7, `a` in 8-15, `b` in 16-31),
// followed by a fixed or length-prefixed number of operand words:
//   Number   +2 words (the double's bits)        Text/Name/Call  +1 length word, bytes packed
//   Logical  a = 0/1     Error  a = FormulaError  Ref   b = flags, +2 words (col, row)
//   Range    b = flags, +4 words (col1, row1, col2, row2)
//   Builtin  a = argument count, b = function index
//   Call     a = argument count, the name follows (a function resolved when evaluated)
// References hold absolute coordinates; the flags say which parts were written absolute ($)
// so that copying moves only the relative parts. Paren is kept so that the formula prints
// back as written.
#pragma once

#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>
#include <vector>

enum class Op : std::uint8_t {
    Number,
    Text,
    Logical,
    Error,
    Ref,
    Range,
    Name,
    Neg,
    Plus,
    Percent,
    Add,
    Sub,
    Mul,
    Div,
    Pow,
    Concat,
    Eq,
    Ne,
    Lt,
    Gt,
    Le,
    Ge,
    Paren,
    Builtin,
    Call
};

// Reference flags (the `b` field of Ref and Range).
constexpr std::uint16_t kAbsCol1 = 1, kAbsRow1 = 2, kAbsCol2 = 4, kAbsRow2 = 8;
// A reference whose cells were deleted: it evaluates to #REF! and prints as "#REF!".
constexpr std::uint16_t kRefDeleted = 16;

using Code = std::vector<std::uint32_t>;
// The offsets of a code's Ref and Range instructions, in code order.
using CodeRefs = std::vector<std::uint32_t>;

// A view of code kept elsewhere, or of its reference offsets.
using CodeView = std::span<const std::uint32_t>;

// A formula's code with the places of its cell references, so that linking it to the cells it
// reads needs no walk over the whole code. Views into the storage that keeps them.
struct CompiledFormula {
    CodeView code;
    CodeView refs;
};

inline std::uint32_t codeHead(Op op, unsigned a = 0, unsigned b = 0) {
    return static_cast<std::uint32_t>(op) | ((a & 0xFFu) << 8) | ((b & 0xFFFFu) << 16);
}
inline Op codeOp(std::uint32_t w) {
    return static_cast<Op>(w & 0xFF);
}
inline unsigned codeA(std::uint32_t w) {
    return (w >> 8) & 0xFF;
}
inline unsigned codeB(std::uint32_t w) {
    return w >> 16;
}

inline void codePushDouble(Code& code, double v) {
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    code.push_back(static_cast<std::uint32_t>(bits));
    code.push_back(static_cast<std::uint32_t>(bits >> 32));
}
inline double codeDouble(const std::uint32_t* w) {
    std::uint64_t bits = w[0] | (static_cast<std::uint64_t>(w[1]) << 32);
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}
inline void codePushBytes(Code& code, std::string_view s) {
    code.push_back(static_cast<std::uint32_t>(s.size()));
    std::size_t at = code.size();
    code.resize(at + (s.size() + 3) / 4, 0);
    if (!s.empty()) std::memcpy(code.data() + at, s.data(), s.size());
}
inline std::string_view codeBytes(const std::uint32_t* w) {
    return {reinterpret_cast<const char*>(w + 1), w[0]};
}
inline unsigned codeBytesWords(const std::uint32_t* w) {
    return 1 + (w[0] + 3) / 4;
}

// Number of words of the instruction starting at `w` (head included).
inline unsigned codeLength(const std::uint32_t* w) {
    switch (codeOp(*w)) {
        case Op::Number:
            return 3;
        case Op::Ref:
            return 3;
        case Op::Range:
            return 5;
        case Op::Text:
        case Op::Name:
        case Op::Call:
            return 1 + codeBytesWords(w + 1);
        default:
            return 1;
    }
}

// Where the Ref and Range instructions of a well-formed code are.
inline CodeRefs codeRefsOf(const Code& code) {
    CodeRefs refs;
    for (std::size_t pc = 0; pc < code.size(); pc += codeLength(code.data() + pc)) {
        const Op op = codeOp(code[pc]);
        if (op == Op::Ref || op == Op::Range) refs.push_back(static_cast<std::uint32_t>(pc));
    }
    return refs;
}
