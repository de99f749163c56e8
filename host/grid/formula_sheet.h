// The inside of FormulaEngine: cells, compiled formulas, dependencies, custom functions and
// the calculation driver. FormulaEngine's operations check their arguments and forward here.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "formula_calc_order.h"
#include "formula_cells.h"
#include "formula_code.h"
#include "formula_custom.h"
#include "formula_deps.h"
#include "formula_engine.h"
#include "formula_eval.h"
#include "formula_order.h"

struct FormulaRecord {
    std::uint32_t codeOffset = 0;
    std::uint32_t codeLength = 0;
    int col = 0;
    int row = 0;
    bool live = false;
};

class FormulaSheet : public EvalHost, private FormulaOrderGraph {
  public:
    FormulaSheet() : deps_(cells_) {}
    // An independent copy: cells, formulas, dependencies, calculation order, settings and
    // custom functions. A copy taken while the sheet calculates (from a custom function) holds
    // the values as they stand and is not calculating; its kept order is dropped.
    FormulaSheet(const FormulaSheet& other) : EvalHost(), FormulaOrderGraph(), deps_(cells_) {
        assign(other);
    }
    FormulaSheet& operator=(const FormulaSheet&) = delete;
    // Makes this such a copy of `other`, reusing this sheet's storage; not while this one
    // calculates.
    void assign(const FormulaSheet& other);
    bool calculating() const { return calculating_ > 0; }

    // Contents (coordinates already checked).
    void setConstant(int col, int row, const FormulaValue& value);
    void setText(int col, int row, std::string_view text);  // setConstant without a copy
    // setConstant of a number or logical (kind Number or Logical), or of nothing, without a
    // value record.
    void setNumber(int col, int row, double number, CellKind kind);
    void setEmpty(int col, int row);
    // Compiles `text` at (col, row) into `out`; with `kept` given, a formula compiled before is
    // not copied: *kept views the cache's code instead (valid until the cache changes) and
    // `out` is left alone. *kept is empty when `out` holds the code.
    FormulaResult compile(int col, int row, std::string_view text, FormulaSetMode mode, Code& out,
                          std::optional<CompiledFormula>* kept = nullptr) const;
    // Stores a compiled formula; calculates it (and, with automatic calculation, what depends
    // on it) unless `calculate` is false. `refs`, when given, are the code's references.
    void installFormula(int col, int row, CodeView code, bool calculate = true,
                        const CodeView* refs = nullptr);
    void clearAll();

    FormulaValue value(int col, int row) const { return cells_.value(col, row); }
    FormulaValueView valueView(int col, int row) const { return cells_.view(col, row); }
    std::optional<FormulaValueView> constantView(int col, int row) const {
        return cells_.constantView(col, row);
    }
    // constantView(); a text constant `refusal` refuses is emptied first, as setEmpty() does.
    std::optional<FormulaValueView> constantViewEmptyingText(int col, int row,
                                                             TextRefusal refusal) {
        bool emptied = false;
        std::optional<FormulaValueView> view =
            cells_.constantViewEmptyingText(col, row, refusal, emptied);
        if (emptied) changed(col, row);
        return view;
    }
    bool isEmptyValue(int col, int row) const { return cells_.kind(col, row) == CellKind::Empty; }
    // The text of a Text cell ("" for any other), valid until the cell changes.
    std::string_view textValue(int col, int row) const { return cells_.text(col, row); }
    bool hasFormula(int col, int row) const { return cells_.formula(col, row) != kNoFormula; }
    std::string formulaText(int col, int row) const;
    int usedColsOf() const { return cells_.usedCols(); }
    std::uint64_t written() const { return cells_.written(); }
    template <typename F>
    void forEachWrittenRun(F f) const {
        cells_.forEachWrittenRun(f);
    }
    int usedRowsOf() const { return cells_.usedRows(); }

    void recalcAll();
    void recalcOne(int col, int row);
    bool copyCell(int fromCol, int fromRow, int toCol, int toRow);
    // Moves cells and references: `mapCell` gives each coordinate's new value (-1: deleted).
    bool restructure(bool rows, int at, int count, bool insert);

    bool autoCalc = true;
    FormulaRefStyle refStyle = FormulaRefStyle::A1;
    CustomFunctions customs;

    // EvalHost
    void readCell(int col, int row, EvalValue& out) override;
    void callCustom(std::string_view upperName, EvalValue* args, int argc, EvalValue& out) override;
    int usedCols() const override { return cells_.usedCols(); }
    int usedRows() const override { return cells_.usedRows(); }

  private:
    // The entries last found by name while the registry stayed the same: the formulas of a
    // sheet call the same few functions again and again.
    struct CustomLookUp {
        std::string name;
        std::uint64_t version = 0;
        const CustomFunctionEntry* entry = nullptr;
    };
    const CustomFunctionEntry* findCustom(std::string_view upperName);

    // FormulaOrderGraph
    void precedents(std::uint32_t id, std::vector<std::uint32_t>& out) override;
    bool inScope(std::uint32_t id) const override;
    void calculate(std::uint32_t id) override;
    void cycle(std::uint32_t id) override;

    void removeFormula(int col, int row) {
        const std::uint32_t id = cells_.formula(col, row);
        if (id != kNoFormula) dropFormula(col, row, id);
    }
    void dropFormula(int col, int row, std::uint32_t id);
    void evaluateInto(std::uint32_t id);
    void changed(int col, int row);
    void recalcDependents(std::vector<std::pair<int, int>>& changedCells);  // grows it
    void runPending();
    void calculateInOrder(std::vector<std::uint32_t>& ids);
    void compactCode();
    void endCalc();  // leaves one level of calculation; the last one tidies up
    const std::uint32_t* codeOf(const FormulaRecord& f) const {
        return code_.data() + f.codeOffset;
    }
    std::vector<EvalValue>& borrowStack();
    void returnStack() { --stacksInUse_; }

    CellStore cells_;
    FormulaDeps deps_;
    Code code_;
    std::size_t garbageWords_ = 0;
    std::vector<FormulaRecord> formulas_;
    std::vector<std::uint32_t> freeIds_, deferredFreeIds_;
    FormulaOrder order_;
    FormulaCalcOrder calcOrder_;  // kept from the last full calculation
    bool recording_ = false;
    std::vector<std::uint32_t> scopeEpoch_;
    std::uint32_t epoch_ = 0;
    bool allInScope_ = false;
    int calculating_ = 0;
    std::vector<std::pair<int, int>> pending_;
    std::vector<std::pair<int, int>> queue_;  // runPending's buffers, kept for their room
    std::vector<std::uint32_t> roots_;
    std::vector<std::unique_ptr<std::vector<EvalValue>>> stacks_;
    std::size_t stacksInUse_ = 0;
    std::array<CustomLookUp, 64> customLookUps_;
};
