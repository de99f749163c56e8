// Reads formula text into compiled code (formula_code.h) in one pass: a recursive-descent
// parser with one function per grammar rule, from the loosest binding to the tightest:
//
//   formula    := comparison End
//   comparison := concat { ("=" | "<>" | "<" | ">" | "<=" | ">=") concat }
//   concat     := additive { "&" additive }
//   additive   := term { ("+" | "-") term }
//   term       := power { ("*" | "/") power }
//   power      := unary { "^" unary }                  (left-associative)
//   unary      := ("-" | "+") unary | percent          (binds tighter than ^)
//   percent    := primary { "%" }
//   primary    := number | string | error | "(" comparison ")" | word-based
//   word-based := name "(" [ comparison { "," comparison } ] ")" | TRUE | FALSE
//               | reference [ ":" reference ] | unknown name
//
// Nesting (parentheses, calls and unary operators) is capped at kMaxFormulaDepth levels so
// that no text can exhaust the stack. On failure the code is left empty.
#pragma once

#include <functional>
#include <string_view>

#include "formula_code.h"
#include "formula_engine.h"
#include "formula_lexer.h"
#include "formula_reference.h"

constexpr int kMaxFormulaDepth = 100;
constexpr int kMaxFormulaArgs = 255;

struct FormulaParseOptions {
    bool r1c1 = false;
    int hostCol = 1;  // the cell the formula belongs to (relative R1C1 references)
    int hostRow = 1;
    bool keepUnknownNames = false;
    std::function<bool(std::string_view upperName)> isCustomFunction;
};

class FormulaParser {
  public:
    FormulaParser(std::string_view text, const FormulaParseOptions& options, Code& out);
    // Parses the whole text; positions in the result are offsets into `text`.
    FormulaResult parse();

  private:
    bool formula();
    bool binary(int minLevel);  // comparison (0) down to power (4)
    bool unary();
    bool percent();
    bool primary();
    bool wordBased();
    bool functionCall(Token name);
    bool arguments(int& count);
    bool reference(CellReference first);
    bool unknownName(Token word);

    std::optional<CellReference> readReference(std::string_view word) const;
    void advance() { tok_ = lexer_.next(); }
    bool fail(FormulaStatus status, int position, std::string message);
    bool enter();
    void leave() { --depth_; }

    FormulaLexer lexer_;
    const FormulaParseOptions& options_;
    Code& out_;
    Token tok_;
    int depth_ = 0;
    FormulaResult result_;
};
