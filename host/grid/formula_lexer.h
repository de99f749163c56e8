// Splits formula text into tokens. Positions are byte offsets into the text; a token never
// owns memory (it views the text). Words are names and references alike ("SUM", "$B$2",
// "R[-1]C2"); the parser tells them apart.
#pragma once

#include <string_view>

enum class TokenKind {
    End,
    Number,
    String,
    Word,
    ErrorLiteral,
    Plus,
    Minus,
    Star,
    Slash,
    Caret,
    Amp,
    Percent,
    Eq,
    Ne,
    Lt,
    Gt,
    Le,
    Ge,
    LParen,
    RParen,
    Comma,
    Colon,
    Bad  // a character or literal that cannot start a token, or an unterminated string
};

struct Token {
    TokenKind kind = TokenKind::End;
    std::string_view text;  // the token as written (a String token with its quotes)
    int position = 0;
};

class FormulaLexer {
  public:
    // `r1c1`: brackets belong to words (R[-1]C[2]).
    FormulaLexer(std::string_view text, bool r1c1) : text_(text), r1c1_(r1c1) {}
    Token next();

  private:
    Token make(TokenKind kind, std::size_t start, std::size_t end) const;
    Token lexNumber(std::size_t start);
    Token lexString(std::size_t start);
    Token lexWord(std::size_t start);
    Token lexError(std::size_t start);
    Token lexOperator(std::size_t start);

    std::string_view text_;
    bool r1c1_;
    std::size_t pos_ = 0;
};

bool isWordStart(char c);
