#include "formula_parser.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>

#include "diagnostic_text.h"
#include "formula_builtins.h"
#include "formula_case.h"
#include "formula_value_text.h"

namespace {

Op binaryOp(TokenKind kind) {
    switch (kind) {
        case TokenKind::Plus:
            return Op::Add;
        case TokenKind::Minus:
            return Op::Sub;
        case TokenKind::Star:
            return Op::Mul;
        case TokenKind::Slash:
            return Op::Div;
        case TokenKind::Caret:
            return Op::Pow;
        case TokenKind::Amp:
            return Op::Concat;
        case TokenKind::Eq:
            return Op::Eq;
        case TokenKind::Ne:
            return Op::Ne;
        case TokenKind::Lt:
            return Op::Lt;
        case TokenKind::Gt:
            return Op::Gt;
        case TokenKind::Le:
            return Op::Le;
        default:
            return Op::Ge;
    }
}

// 0 comparison, 1 "&", 2 "+" "-", 3 "*" "/", 4 "^"; -1 for a token that is no binary operator.
int binaryLevel(TokenKind k) {
    switch (k) {
        case TokenKind::Eq:
        case TokenKind::Ne:
        case TokenKind::Lt:
        case TokenKind::Gt:
        case TokenKind::Le:
        case TokenKind::Ge:
            return 0;
        case TokenKind::Amp:
            return 1;
        case TokenKind::Plus:
        case TokenKind::Minus:
            return 2;
        case TokenKind::Star:
        case TokenKind::Slash:
            return 3;
        case TokenKind::Caret:
            return 4;
        default:
            return -1;
    }
}

FormulaError errorOfLiteral(std::string_view text) {
    std::string up = upperText(text);
    if (up == "#DIV/0!") return FormulaError::Div0;
    if (up == "#VALUE!") return FormulaError::Value;
    if (up == "#REF!") return FormulaError::Ref;
    if (up == "#NAME?") return FormulaError::Name;
    if (up == "#N/A") return FormulaError::NA;
    return FormulaError::Num;
}

// A number as the lexer took it: digits, an optional fraction and exponent.
double readNumberLiteral(std::string_view text) {
    double v = 0;
    if (readShortDecimal(text, v)) return v;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec == std::errc::result_out_of_range) return HUGE_VAL;  // evaluates to #NUM!
    return v;
}

std::string unquote(std::string_view quoted) {
    std::string s;
    for (std::size_t i = 1; i + 1 < quoted.size(); ++i) {
        s.push_back(quoted[i]);
        if (quoted[i] == '"') ++i;  // a doubled quote stands for one
    }
    return s;
}

// A built-in name is plain ASCII: it is looked up in a small buffer, and the name is copied
// and upper-cased as a whole only for other functions.
int findBuiltinNoCase(std::string_view name) {
    char upper[16];
    if (name.size() > sizeof upper) return -1;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        upper[i] = c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
    }
    return findBuiltin({upper, name.size()});
}

}  // namespace

FormulaParser::FormulaParser(std::string_view text, const FormulaParseOptions& options, Code& out)
    : lexer_(text, options.r1c1), options_(options), out_(out) {}

FormulaResult FormulaParser::parse() {
    out_.clear();
    advance();
    if (!formula()) out_.clear();
    return result_;
}

bool FormulaParser::fail(FormulaStatus status, int position, std::string message) {
    if (result_.status == FormulaStatus::Ok) result_ = {status, position, std::move(message)};
    return false;
}

bool FormulaParser::enter() {
    if (++depth_ > kMaxFormulaDepth)
        return fail(FormulaStatus::TooComplex, tok_.position, "formula nested too deeply");
    return true;
}

bool FormulaParser::formula() {
    if (tok_.kind == TokenKind::End)
        return fail(FormulaStatus::SyntaxError, tok_.position, "empty formula");
    if (!binary(0)) return false;
    if (tok_.kind != TokenKind::End)
        return fail(FormulaStatus::SyntaxError, tok_.position,
                    "unexpected '" + diagnosticWord(tok_.text) + "'");
    return true;
}

// Binary operators by level, loosest first; levels are left-associative, each a rule of the
// grammar (formula_parser.h). Parsing by level gives the same code as one function per rule
// without passing every operand down through all of them.
bool FormulaParser::binary(int minLevel) {
    if (!unary()) return false;
    for (;;) {
        const int level = binaryLevel(tok_.kind);
        if (level < minLevel) return true;
        const Op op = binaryOp(tok_.kind);
        advance();
        if (!binary(level + 1)) return false;
        out_.push_back(codeHead(op));
    }
}

bool FormulaParser::unary() {
    if (tok_.kind != TokenKind::Minus && tok_.kind != TokenKind::Plus) return percent();
    Op op = tok_.kind == TokenKind::Minus ? Op::Neg : Op::Plus;
    if (!enter()) return false;
    advance();
    bool ok = unary();
    leave();
    if (!ok) return false;
    out_.push_back(codeHead(op));
    return true;
}

bool FormulaParser::percent() {
    if (!primary()) return false;
    while (tok_.kind == TokenKind::Percent) {
        advance();
        out_.push_back(codeHead(Op::Percent));
    }
    return true;
}

bool FormulaParser::primary() {
    Token t = tok_;
    switch (t.kind) {
        case TokenKind::Number:
            out_.push_back(codeHead(Op::Number));
            codePushDouble(out_, readNumberLiteral(t.text));
            advance();
            return true;
        case TokenKind::String:
            out_.push_back(codeHead(Op::Text));
            codePushBytes(out_, unquote(t.text));
            advance();
            return true;
        case TokenKind::ErrorLiteral:
            out_.push_back(codeHead(Op::Error, static_cast<unsigned>(errorOfLiteral(t.text))));
            advance();
            return true;
        case TokenKind::LParen: {
            if (!enter()) return false;
            advance();
            bool ok = binary(0);
            leave();
            if (!ok) return false;
            if (tok_.kind != TokenKind::RParen)
                return fail(FormulaStatus::SyntaxError, tok_.position, "')' expected");
            advance();
            out_.push_back(codeHead(Op::Paren));
            return true;
        }
        case TokenKind::Word:
            return wordBased();
        case TokenKind::End:
            return fail(FormulaStatus::SyntaxError, t.position, "operand expected at the end");
        default:
            return fail(FormulaStatus::SyntaxError, t.position,
                        "unexpected '" + diagnosticWord(t.text) + "'");
    }
}

bool FormulaParser::wordBased() {
    Token word = tok_;
    advance();
    if (tok_.kind == TokenKind::LParen) return functionCall(word);
    const char first = word.text[0];  // a word is never empty
    if (first == 'T' || first == 't' || first == 'F' || first == 'f') {
        const bool isTrue = equalNoCase(word.text, "TRUE");
        if (isTrue || equalNoCase(word.text, "FALSE")) {
            out_.push_back(codeHead(Op::Logical, isTrue ? 1 : 0));
            return true;
        }
    }
    if (auto ref = readReference(word.text)) return reference(*ref);
    return unknownName(word);
}

bool FormulaParser::functionCall(Token name) {
    const int builtin = findBuiltinNoCase(name.text);
    const std::string up = builtin < 0 ? upperText(name.text) : std::string();
    bool custom = builtin < 0 && options_.isCustomFunction && options_.isCustomFunction(up);
    if (builtin < 0 && !custom && !options_.keepUnknownNames)
        return fail(FormulaStatus::UnknownName, name.position, "unknown function " + up);
    if (!enter()) return false;
    advance();  // "("
    int count = 0;
    bool ok = arguments(count);
    leave();
    if (!ok) return false;
    if (builtin >= 0) {
        const BuiltinInfo& info = builtinAt(builtin);
        if (count < info.minArgs || count > info.maxArgs)
            return fail(FormulaStatus::SyntaxError, name.position,
                        "wrong number of arguments for " + std::string(info.name));
        out_.push_back(
            codeHead(Op::Builtin, static_cast<unsigned>(count), static_cast<unsigned>(builtin)));
    } else {
        out_.push_back(codeHead(Op::Call, static_cast<unsigned>(count)));
        codePushBytes(out_, up);
    }
    return true;
}

bool FormulaParser::arguments(int& count) {
    if (tok_.kind == TokenKind::RParen) {
        advance();
        return true;
    }
    for (;;) {
        if (!binary(0)) return false;
        if (++count > kMaxFormulaArgs)
            return fail(FormulaStatus::TooComplex, tok_.position, "too many arguments");
        if (tok_.kind == TokenKind::RParen) {
            advance();
            return true;
        }
        if (tok_.kind != TokenKind::Comma)
            return fail(FormulaStatus::SyntaxError, tok_.position, "',' or ')' expected");
        advance();
    }
}

std::optional<CellReference> FormulaParser::readReference(std::string_view word) const {
    if (options_.r1c1)
        return parseR1C1Reference(word, options_.hostCol, options_.hostRow, FormulaEngine::kMaxCol,
                                  FormulaEngine::kMaxRow);
    return parseA1Reference(word, FormulaEngine::kMaxCol, FormulaEngine::kMaxRow);
}

bool FormulaParser::reference(CellReference first) {
    if (tok_.kind != TokenKind::Colon) {
        out_.push_back(
            codeHead(Op::Ref, 0, (first.absCol ? kAbsCol1 : 0) | (first.absRow ? kAbsRow1 : 0)));
        out_.push_back(static_cast<std::uint32_t>(first.col));
        out_.push_back(static_cast<std::uint32_t>(first.row));
        return true;
    }
    advance();
    std::optional<CellReference> second;
    if (tok_.kind == TokenKind::Word) second = readReference(tok_.text);
    if (!second) return fail(FormulaStatus::SyntaxError, tok_.position, "reference expected");
    advance();
    // Written corners are put in order: top-left first.
    if (second->col < first.col)
        std::swap(first.col, second->col), std::swap(first.absCol, second->absCol);
    if (second->row < first.row)
        std::swap(first.row, second->row), std::swap(first.absRow, second->absRow);
    unsigned flags = (first.absCol ? kAbsCol1 : 0) | (first.absRow ? kAbsRow1 : 0) |
                     (second->absCol ? kAbsCol2 : 0) | (second->absRow ? kAbsRow2 : 0);
    out_.push_back(codeHead(Op::Range, 0, flags));
    for (int v : {first.col, first.row, second->col, second->row})
        out_.push_back(static_cast<std::uint32_t>(v));
    return true;
}

bool FormulaParser::unknownName(Token word) {
    if (!options_.keepUnknownNames)
        return fail(FormulaStatus::UnknownName, word.position,
                    "unknown name " + std::string(word.text));
    out_.push_back(codeHead(Op::Name));
    codePushBytes(out_, word.text);
    return true;
}
