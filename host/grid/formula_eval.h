// Runs compiled formula code on a value stack and gives the formula's value.
//
// Values on the stack may be references (a cell or a range) until an operator or function
// needs what they hold; the cells are read through an EvalHost, which also calls the custom
// functions. The evaluator holds no pointer into the code or the cells across a host call,
// so a custom function may change the sheet while it runs.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "formula_value.h"

enum class EvalKind : std::uint8_t { Empty, Number, Text, Logical, Error, Ref, Range };

struct EvalValue {
    EvalKind kind = EvalKind::Empty;
    FormulaError error = FormulaError::None;
    double num = 0.0;                    // Number; Logical as 1 or 0
    int c1 = 0, r1 = 0, c2 = 0, r2 = 0;  // Ref (c1, r1) and Range
    std::string text;

    void setNumber(double v);  // a non-finite number becomes #NUM!
    void setText(std::string t) { kind = EvalKind::Text, text = std::move(t); }
    void setLogical(bool b) { kind = EvalKind::Logical, num = b ? 1.0 : 0.0; }
    void setError(FormulaError e) { kind = EvalKind::Error, error = e; }
    void setEmpty() { kind = EvalKind::Empty; }
    bool isRef() const { return kind == EvalKind::Ref || kind == EvalKind::Range; }
};

class EvalHost {
  public:
    virtual ~EvalHost() = default;
    // The value a cell holds (Empty, Number, Text, Logical or Error).
    virtual void readCell(int col, int row, EvalValue& out) = 0;
    // Calls a function that is not built in; #NAME? when there is none of that name. The name
    // lies in the formula's code: it is read before the function runs, never after.
    virtual void callCustom(std::string_view upperName, EvalValue* args, int argc,
                            EvalValue& out) = 0;
    // The highest column and row holding anything: cells beyond are empty.
    virtual int usedCols() const = 0;
    virtual int usedRows() const = 0;
};

class FormulaEvaluator {
  public:
    FormulaEvaluator(EvalHost& host, std::vector<EvalValue>& stack) : host_(host), stack_(stack) {}

    // Evaluates code[offset, offset + length) and leaves the value in `result`: never a
    // reference (an empty cell referred to gives 0); Empty only when a custom function gave
    // no value.
    void run(const std::vector<std::uint32_t>& code, std::size_t offset, std::size_t length,
             EvalValue& result);

    // Helpers for functions. Each returns FormulaError::None on success, else the error to
    // give (an error value passes its own kind).
    // A reference becomes the value of its (single) cell; any other value stays.
    void deref(EvalValue& v) {
        if (v.isRef()) derefCell(v);
    }
    void derefCell(EvalValue& v);
    FormulaError number(EvalValue& v, double& out);
    FormulaError text(EvalValue& v, std::string& out);
    FormulaError logical(EvalValue& v, bool& out);
    // Calls f(value, col, row) for each cell of a Ref or Range, row by row; stops early when f
    // returns false.
    template <typename F>
    void forEachCell(const EvalValue& ref, F f);

    EvalHost& host() { return host_; }

  private:
    void unaryOp(std::uint32_t head, EvalValue& v);
    void binaryOp(std::uint32_t head, EvalValue& a, EvalValue& b);
    void arithmetic(std::uint32_t head, EvalValue& a, EvalValue& b);
    void compare(std::uint32_t head, EvalValue& a, EvalValue& b);
    void concat(EvalValue& a, EvalValue& b);
    void call(const std::vector<std::uint32_t>& code, std::size_t pc, std::uint32_t head);
    // Pushes the value of a constant or reference instruction; gives its length in words.
    unsigned pushOperand(const std::uint32_t* w);

    EvalHost& host_;
    std::vector<EvalValue>& stack_;
};

// Compares two plain values the way "<" and "=" do: numbers before text before logicals,
// text without regard to case, an empty value as 0, "" or FALSE. <0, 0 or >0.
int compareValues(const EvalValue& a, const EvalValue& b);

template <typename F>
void FormulaEvaluator::forEachCell(const EvalValue& ref, F f) {
    int c2 = ref.kind == EvalKind::Range ? ref.c2 : ref.c1;
    int r2 = ref.kind == EvalKind::Range ? ref.r2 : ref.r1;
    if (c2 > host_.usedCols()) c2 = host_.usedCols();
    if (r2 > host_.usedRows()) r2 = host_.usedRows();
    EvalValue cell;
    for (int r = ref.r1; r <= r2; ++r)
        for (int c = ref.c1; c <= c2; ++c) {
            host_.readCell(c, r, cell);
            if (!f(cell, c, r)) return;
        }
}
