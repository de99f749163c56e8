// The formula engine of the grid control: the contents and calculated values of one sheet.
//
// Cells are addressed (col, row), 1-based; row 0 and column 0 are the header cells and may
// hold contents too (formulas cannot refer to them). A cell holds nothing, a number, a text,
// a logical, or a formula with its last calculated value.
//
// Promises:
// - Setting a formula parses and compiles it; a syntax error, or a name that is neither a
//   function (built-in or registered) nor a reference, refuses it: the result says why and
//   where, and the cell is unchanged. In loader mode unknown function names are kept (their
//   cells show #NAME? until the function is registered and the cell calculated again).
// - A formula that was set is calculated at once from the current values of its inputs. With
//   automatic calculation on, every change also recalculates the cells that depend on it (and
//   only those), in dependency order.
// - recalcAll() calculates every formula in dependency order; recalcCell() one cell from the
//   current values. Cells on a reference cycle get #REF!. Nothing recurses on the depth of
//   the data: a chain of a million cells calculates.
// - Inserting and deleting rows and columns moves the contents and the references that point
//   past the change; a reference to a deleted cell becomes #REF!.
// - Nothing throws; bad coordinates give false (or an empty value).
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "formula_value.h"
#include "spread_value.h"

enum class FormulaRefStyle { A1, R1C1 };

// How setFormula treats names it does not know.
enum class FormulaSetMode {
    Strict,  // unknown function names refuse the formula
    Loader,  // unknown function names are kept (sheet files, CSV)
    Bulk     // as Loader, and the cell is left without value until the next recalcAll():
             // for loading a whole sheet, which is then calculated once
};

enum class FormulaStatus { Ok, SyntaxError, UnknownName, TooComplex, BadCell };

struct FormulaResult {
    FormulaStatus status = FormulaStatus::Ok;
    int position = 0;     // 0-based byte offset of the fault in the text given
    std::string message;  // e.g. "unknown name WIDTH"
    explicit operator bool() const { return status == FormulaStatus::Ok; }
};

// A custom function as the engine calls it: a plain function (a lambda without captures
// converts to it), called without the indirection of a wrapper.
using FormulaCustomFunction = SpreadCustomFunction;

class FormulaEngine {
  public:
    FormulaEngine();
    ~FormulaEngine();
    FormulaEngine(const FormulaEngine&) = delete;
    FormulaEngine& operator=(const FormulaEngine&) = delete;
    // An independent engine with the same cells, formulas, values, dependencies, settings and
    // custom functions; changes to either never reach the other.
    std::unique_ptr<FormulaEngine> clone() const;
    // Makes this engine such a copy of `other` in place, reusing its storage. false (nothing
    // changed) while this engine calculates.
    bool assign(const FormulaEngine& other);

    // Limits of addressable cells (references and contents).
    static constexpr int kMaxCol = 18278;    // ZZZ
    static constexpr int kMaxRow = 1 << 24;  // 16777216

    // Contents. Each replaces what the cell held (a formula included); false for a bad cell.
    bool setNumber(int col, int row, double value);
    bool setText(int col, int row, std::string_view text);
    bool setLogical(int col, int row, bool value);
    bool setEmpty(int col, int row);
    // `text` may start with "=". On failure the cell is unchanged.
    FormulaResult setFormula(int col, int row, std::string_view text,
                             FormulaSetMode mode = FormulaSetMode::Strict);
    // Parses and compiles without touching any cell (a check before setting).
    FormulaResult checkFormula(int col, int row, std::string_view text,
                               FormulaSetMode mode = FormulaSetMode::Strict) const;
    // Empties every cell; settings and custom functions stay. Does nothing while the sheet is
    // being calculated (called from a custom function), as do the row and column changes.
    void clear();

    // Reads. value(): the calculated value (the value itself for a constant cell).
    FormulaValue value(int col, int row) const;
    // value() read in place: the text is the cell's own, valid until the cell changes.
    FormulaValueView valueView(int col, int row) const;
    // valueView() of a cell without a formula, read at once; nullopt for a formula cell.
    std::optional<FormulaValueView> constantView(int col, int row) const;
    // constantView(), but a text constant that `refusal` refuses is emptied first, exactly as
    // setEmpty() would, and reads as Empty: a check-then-empty in one step.
    std::optional<FormulaValueView> constantViewEmptyingText(int col, int row, TextRefusal refusal);
    bool hasFormula(int col, int row) const;
    // True when the cell holds no formula and no value (cheaper than value() for that).
    bool isEmpty(int col, int row) const;
    // The text of a cell holding a text constant or a formula's text value, without a copy:
    // valid until the cell changes. Empty for any other cell.
    std::string_view textValue(int col, int row) const;
    // The formula in the current reference style, without "="; "" when the cell has none.
    std::string formulaText(int col, int row) const;
    // Calls visit(col, firstRow, lastRow) for runs of rows of one column that together hold
    // every cell with a value or a formula (empty cells too); the cost is that of the runs,
    // not of the sheet's area.
    void forEachContentRun(
        const std::function<void(int col, int firstRow, int lastRow)>& visit) const;
    // A stamp that changes whenever any cell's contents or value change (write_stamp.h).
    std::uint64_t writeStamp() const;
    // The highest column and row holding anything (0 when none).
    int usedCols() const;
    int usedRows() const;

    // Calculation.
    void setAutoCalc(bool on);
    bool autoCalc() const;
    void recalcAll();
    bool recalcCell(int col, int row);  // false for a bad cell; true also for a constant
    void setRefStyle(FormulaRefStyle style);
    FormulaRefStyle refStyle() const;

    // Rows and columns: insert `count` before `at`, or delete `count` from `at`.
    bool insertRows(int at, int count);
    bool deleteRows(int at, int count);
    bool insertCols(int at, int count);
    bool deleteCols(int at, int count);
    // Copies the formula (or constant) of one cell to another; relative references move by the
    // distance between them, those that would leave the sheet become #REF!.
    bool copyCell(int fromCol, int fromRow, int toCol, int toRow);

    // Custom functions of this sheet, by name (case-insensitive). A name registered again is
    // replaced. false for an empty name, a built-in name, or bad argument counts.
    bool addCustomFunction(std::string_view name, int minArgs, int maxArgs,
                           FormulaCustomFunction callback, long flags);
    void clearCustomFunctions();
    bool hasCustomFunction(std::string_view name) const;

    struct Impl;

  private:
    explicit FormulaEngine(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};
