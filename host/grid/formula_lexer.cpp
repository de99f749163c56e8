#include "formula_lexer.h"

#include <array>

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Letters, digits, "_", ".", "$" and every byte from 0x80: one table look-up per byte.
constexpr std::array<bool, 256> kWordChars = [] {
    std::array<bool, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[static_cast<std::size_t>(c)] = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                                             (c >= '0' && c <= '9') || c == '_' || c == '.' ||
                                             c == '$' || c >= 0x80;
    return table;
}();

bool isWordChar(char c) {
    return kWordChars[static_cast<unsigned char>(c)];
}

constexpr std::array<std::string_view, 6> kErrorLiterals = {"#DIV/0!", "#VALUE!", "#REF!",
                                                            "#NAME?",  "#N/A",    "#NUM!"};

}  // namespace

bool isWordStart(char c) {
    return isAsciiLetter(c) || c == '_' || c == '$' || static_cast<unsigned char>(c) >= 0x80;
}

Token FormulaLexer::make(TokenKind kind, std::size_t start, std::size_t end) const {
    return {kind, text_.substr(start, end - start), static_cast<int>(start)};
}

Token FormulaLexer::next() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' ||
                                   text_[pos_] == '\r' || text_[pos_] == '\n'))
        ++pos_;
    std::size_t start = pos_;
    if (start >= text_.size()) return make(TokenKind::End, start, start);
    char c = text_[start];
    if (isDigit(c) || (c == '.' && start + 1 < text_.size() && isDigit(text_[start + 1])))
        return lexNumber(start);
    if (c == '"') return lexString(start);
    if (c == '#') return lexError(start);
    if (isWordStart(c)) return lexWord(start);
    return lexOperator(start);
}

Token FormulaLexer::lexNumber(std::size_t start) {
    std::size_t i = start;
    while (i < text_.size() && isDigit(text_[i])) ++i;
    if (i < text_.size() && text_[i] == '.') {
        ++i;
        while (i < text_.size() && isDigit(text_[i])) ++i;
    }
    if (i < text_.size() && (text_[i] == 'e' || text_[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text_.size() && (text_[j] == '+' || text_[j] == '-')) ++j;
        if (j < text_.size() && isDigit(text_[j])) {
            while (j < text_.size() && isDigit(text_[j])) ++j;
            i = j;
        }
    }
    pos_ = i;
    return make(TokenKind::Number, start, i);
}

Token FormulaLexer::lexString(std::size_t start) {
    std::size_t i = start + 1;
    while (i < text_.size()) {
        if (text_[i] == '"') {
            if (i + 1 < text_.size() && text_[i + 1] == '"') {
                i += 2;
                continue;
            }
            pos_ = i + 1;
            return make(TokenKind::String, start, pos_);
        }
        ++i;
    }
    pos_ = text_.size();
    return make(TokenKind::Bad, start, start + 1);
}

Token FormulaLexer::lexWord(std::size_t start) {
    std::size_t i = start;
    while (i < text_.size()) {
        char c = text_[i];
        if (isWordChar(c)) {
            ++i;
        } else if (r1c1_ && c == '[') {
            std::size_t close = text_.find(']', i);
            if (close == std::string_view::npos) break;
            i = close + 1;
        } else {
            break;
        }
    }
    pos_ = i;
    return make(TokenKind::Word, start, i);
}

Token FormulaLexer::lexError(std::size_t start) {
    std::string_view rest = text_.substr(start);
    for (std::string_view lit : kErrorLiterals) {
        if (rest.size() < lit.size()) continue;
        bool same = true;
        for (std::size_t k = 0; k < lit.size() && same; ++k)
            same = (rest[k] & ~0x20) == (lit[k] & ~0x20) || rest[k] == lit[k];
        if (same) {
            pos_ = start + lit.size();
            return make(TokenKind::ErrorLiteral, start, pos_);
        }
    }
    pos_ = start + 1;
    return make(TokenKind::Bad, start, pos_);
}

Token FormulaLexer::lexOperator(std::size_t start) {
    char c = text_[start];
    char d = start + 1 < text_.size() ? text_[start + 1] : '\0';
    pos_ = start + 1;
    switch (c) {
        case '+':
            return make(TokenKind::Plus, start, pos_);
        case '-':
            return make(TokenKind::Minus, start, pos_);
        case '*':
            return make(TokenKind::Star, start, pos_);
        case '/':
            return make(TokenKind::Slash, start, pos_);
        case '^':
            return make(TokenKind::Caret, start, pos_);
        case '&':
            return make(TokenKind::Amp, start, pos_);
        case '%':
            return make(TokenKind::Percent, start, pos_);
        case '(':
            return make(TokenKind::LParen, start, pos_);
        case ')':
            return make(TokenKind::RParen, start, pos_);
        case ',':
            return make(TokenKind::Comma, start, pos_);
        case ':':
            return make(TokenKind::Colon, start, pos_);
        case '=':
            return make(TokenKind::Eq, start, pos_);
        case '<':
            if (d == '>' || d == '=') {
                pos_ = start + 2;
                return make(d == '>' ? TokenKind::Ne : TokenKind::Le, start, pos_);
            }
            return make(TokenKind::Lt, start, pos_);
        case '>':
            if (d == '=') {
                pos_ = start + 2;
                return make(TokenKind::Ge, start, pos_);
            }
            return make(TokenKind::Gt, start, pos_);
        default:
            return make(TokenKind::Bad, start, pos_);
    }
}
