#pragma once
// The grid of a standards spreadsheet: a Ktx_Spread that knows the loaded standard's file, its
// variables and the general variables to replace in it.
//
// findVarCells finds the "Input", "Output", "Local" and "Calc" headers and collects the
// declarations of the first three sections (all Inputs row by row, left to right, then
// Outputs, then Locals). A section runs from the row below its header to the row of the next
// header below it (that row included) or to the last row.
//
// Copying copies the four standards fields only; the grid window is not copied.
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "acad.h"
#include "file_stamp.h"
#include "ktx_spread.h"
#include "ktx_string.h"
#include "ktx_string_array.h"
#include "vn_standards_calc_index.h"
#include "vn_text_list.h"
#include "vn_var_cells.h"

class VnStandardsSpread : public Ktx_Spread {
  public:
    Ktx_String fileName;
    VnVarCells varCells;
    Ktx_StringArray genVarNames;
    Ktx_StringArray genVarValues;

    VnStandardsSpread() = default;
    VnStandardsSpread(const VnStandardsSpread& other);
    VnStandardsSpread& operator=(const VnStandardsSpread& other);
    ~VnStandardsSpread() override = default;

    // Empties varCells and collects the declarations. eInvalidInput when the Input or the
    // Output header is missing (the Inputs are kept when only Output is missing).
    Acad::ErrorStatus findVarCells();
    // The first row of a section's declarations (header row + 1), -1 when the header is
    // missing. header is "Input", "Output", "Local" or "Calc".
    int findSectionStart(const Ktx_String& header);

    // Removes one variable; eInvalidInput for an index outside 0..length-1.
    Acad::ErrorStatus removeVarCell(int index);
    // Removes every variable of one section.
    void removeVarCells(VnCellType type);
    // The names of all variables, in cell order.
    void getVarNames(Ktx_StringArray& names) const;
    // The rows a section covers: from the row below its header to the row of the next header
    // below (included) or the last row. index: 0 Input, 1 Output, 2 Local, 3 Calc. False when
    // the section's header is missing.
    bool sectionRows(int index, int& first, int& last);

  private:
    void findSectionStarts(int (&starts)[4]);
    void collectSection(VnCellType type, int start, int end);

    // ===== Evaluation members (added by the standards evaluation) =========================
    // Declarations of the evaluation's own operations go below this line.
  public:
    // Where the Calc section of the loaded file starts and which of its cells held anything
    // right after the load (vn_standards_declarations.cpp). Set by findLoadedVarCells; calcAll
    // visits only those cells and skips the search for the header while it is still sound.
    struct ReplacedTexts;
    struct CalcPlan {
        int start = -1;                          // the header's row + 1, -1 without one
        std::vector<std::pair<int, int>> cells;  // (col, row), row by row
        // Every cell that held anything after the load or is a variable's cell, row by row:
        // the only cells that can hold a text when the general variables are replaced.
        std::vector<std::pair<int, int>> written;
        // For each cell of `written`: its value text right after the load when nothing but the
        // replacement of general variables writes to it before it is calculated (it holds no
        // formula and is no variable's cell); absent otherwise.
        VnTextList loadedTexts;
        // For each cell of `written`: the index of the declared variable whose cell it is, -1
        // for none.
        std::vector<int> writtenVars;
        // For each cell of `cells`: its index in `written`.
        std::vector<int> calcWritten;
        // What the general variables made of those texts, kept by the last calculation
        // (vn_standards_replaced_texts.cpp). Only the module's one thread touches it.
        mutable std::shared_ptr<const ReplacedTexts> lastReplaced;
    };
    // Loads a standard whole into the grid with automatic calculation off: `name` itself when
    // such a file exists, else libDir + "Connection Standards\\" + name + ".vns". On success
    // fileName is the path; eInvalidInput when the grid cannot load it.
    Acad::ErrorStatus loadStandard(const Ktx_String& name);
    // The same for the file standardFilePath gave for the name.
    Acad::ErrorStatus loadStandardFile(const Ktx_String& path);
    // The file loadStandard loads for `name`.
    static Ktx_String standardFilePath(const Ktx_String& name);
    // Replaces the general-variable names by their values in every cell (whole words, text
    // values in double quotes, string literals left alone); always eOk.
    Acad::ErrorStatus replaceGenVars();
    // Registers the functions, drops duplicate variables (first declaration kept, one message)
    // and calculates every Calc cell. eInvalidInput only when there is no "Calc" header; a
    // failing cell does not stop the calculation.
    Acad::ErrorStatus calcAll();
    // Calculates one Calc cell ("Name = expression", or a CallChild); the left variable gets
    // the result. eInvalidInput when the cell is empty or its equation fails.
    Acad::ErrorStatus calcCell(int col, int row);
    // Evaluates the child standard that `expression` calls through `functionName` and takes
    // back its Output arguments. eInvalidInput on any failure.
    Acad::ErrorStatus callChild(const Ktx_String& expression, const Ktx_String& functionName);
    // The same with the call's pieces read before (childCallPieces); fewer than two fail.
    Acad::ErrorStatus callChild(const Ktx_StringArray& pieces);
    // The same with the argument names already looked up in varCells: args[i] is the index of
    // the variable pieces[i + 1] names, -1 when none.
    Acad::ErrorStatus callChild(const Ktx_StringArray& pieces, const std::vector<int>& args);

    // How a Calc cell's text is read: the left side before the first "=" and the expression
    // after it, both without surrounding blanks. False (left empty, expression = the whole
    // text) when the text has no "=".
    static bool splitCalcText(const Ktx_String& text, Ktx_String& left, Ktx_String& expression);
    // The pieces between the parentheses of a call of `function` in `expression`: the child's
    // file (quotes removed), then the argument names, blanks stripped. False when the
    // parentheses are missing or there are fewer than two pieces.
    static bool childCallPieces(const Ktx_String& expression, const Ktx_String& function,
                                Ktx_StringArray& pieces);
    // The file a CallChild names, from the standard `current`: the name itself, beside the
    // current standard, in the library's "Connection Standards\" folder, then its "Childs\",
    // "Data\" and "Parents\" folders; the first that exists. False when none does.
    static bool resolveChildFile(const Ktx_String& name, const Ktx_String& current,
                                 Ktx_String& path);

    // The steps of an evaluation for a macro (mode 0) and as a child (mode 1).
    Acad::ErrorStatus prepareForMacro(VnDlgStandardsData& data);
    // `shape`: what the caller knows of the macro since prepareForMacro read it (the
    // calculation itself changes no module, group or tab).
    Acad::ErrorStatus calcForMacro(VnDlgStandardsData& data,
                                   VnMacroShape shape = VnMacroShape::MayHaveChanged);
    Acad::ErrorStatus prepareAsChild(VnDlgStandardsData& data);
    Acad::ErrorStatus calcAsChild(VnDlgStandardsData& data);

  private:
    // Name look-up and translation built once per calculation (variable cells do not move
    // while the Calc cells are calculated).
    const VnStandardsCalcIndex& calcIndex();
    // Adds the failed cell to the evaluation report and shows the equation error.
    void equationError(const Ktx_String& left, const Ktx_String& expression, int col, int row,
                       bool childCall) const;
    // What calculating a Calc cell reads of its equation on its usual path; the names in the
    // equation itself serve messages, traces and child calls.
    struct EquationFacts {
        int var = -1;
        bool callsChild = false;
        std::string_view formula;  // followed by a NUL
    };
    static EquationFacts factsOf(const VnStandardsCalcIndex::Equation& eq) {
        return {eq.var, eq.callsChild, eq.formula};
    }
    std::shared_ptr<const VnStandardsCalcIndex::Equation> equationOf(const Ktx_String& text);
    bool setTranslatedFormula(int col, int row, const EquationFacts& facts);
    bool takeCalculatedValue(int col, int row, int var);
    // value into the variable's cell of the grid (see variablesFormatted_).
    Acad::ErrorStatus writeVariable(int var, const Ktx_String& value);
    Acad::ErrorStatus removeDuplicateVarCells();
    Acad::ErrorStatus bindChildArguments(VnDlgStandardsData& data, bool outputsBack);
    // findVarCells right after loadStandard: the declarations found in the same unchanged file
    // before are taken as they were kept (vn_standards_declarations.cpp).
    Acad::ErrorStatus findLoadedVarCells();
    struct LoadedFile {
        std::string hostPath;
        HostFileStamp stamp;
    };
    std::optional<LoadedFile> loaded_;  // set by loadStandard, taken by findLoadedVarCells

    std::shared_ptr<const CalcPlan> calcPlan_;
    // Set when something written since the load may have made a cell read "Calc".
    bool calcPlanStale_ = false;
    static CalcPlan planCalc(Ktx_Spread& grid, int start, const VnVarCells& declared);
    // The texts the general variables make of the plan's fixed cells: replayed when the last
    // calculation of the plan had the same general variables, else worked out and recorded
    // (vn_standards_replaced_texts.cpp).
    std::shared_ptr<const ReplacedTexts> replayed_;
    std::shared_ptr<ReplacedTexts> recording_;
    void replaceGenVarsByPlan(const CalcPlan& plan);
    void replayOrRecord(const CalcPlan& plan, std::string key);
    // Without general variables: only the Calc cells' equations are replayed or recorded.
    void keepPlanEquations(const CalcPlan& plan);
    VnStandardsCalcNames generalVariableNames() const;
    int generalVariableCount() const;
    // Replaces the general variables in one cell's text, read from the grid.
    void replaceGenVarsIn(const VnStandardsCalcNames& names, int col, int row);
    // True when the plan's written cell w is known to hold nothing: an empty variable's cell
    // above the Calc cells, its value as last written.
    bool holdsNoText(const CalcPlan& plan, size_t w) const;
    // The text of the plan's k-th Calc cell when it is known without reading the grid.
    std::optional<std::string_view> knownCalcText(const CalcPlan& plan, size_t k) const;
    void recordCalcText(const CalcPlan& plan, size_t k, const Ktx_String& text);
    void publishReplacedTexts(const CalcPlan& plan);
    Acad::ErrorStatus calcCellEquation(int col, int row, std::string_view text,
                                       const VnStandardsCalcIndex::Equation& eq,
                                       const EquationFacts& facts);
    // The equation of the plan's k-th Calc cell kept by the last calculation with the same
    // general variables and variables, when its text is the one known without reading; its
    // facts are kept side by side with the other cells', in cell order.
    struct KnownEquation {
        const VnStandardsCalcIndex::Equation* eq = nullptr;
        EquationFacts facts;
    };
    std::optional<KnownEquation> knownEquation(size_t k) const;
    void recordEquation(const CalcPlan& plan, size_t k,
                        std::shared_ptr<const VnStandardsCalcIndex::Equation> eq);
    // The kept plan when calcAll may use it (reset on use), else nullptr.
    std::shared_ptr<const CalcPlan> takeCalcPlan();
    void calcCells(int start);
    void calcCellsByPlan(const CalcPlan& plan);

  public:
    // Forgets the declarations kept between evaluations (tests, the module's unload).
    static void forgetKeptDeclarations();

  private:
    std::shared_ptr<const VnStandardsCalcIndex> calcIndex_;
    // The index of this host's last calculation, taken again while the variables are the same.
    std::shared_ptr<const VnStandardsCalcIndex> lastCalcIndex_;
    // Set when every variable's cell got the format of its type in this grid since the
    // variables were found (the values went in); Calc cells, the only cells whose format the
    // calculation changes, lie from calcStart_ down.
    bool variablesFormatted_ = false;
    // Set with variablesFormatted_, and cleared when the general variables were replaced in a
    // cell that is not fixed (possibly a variable's): every variable's cell above the Calc
    // cells then holds its value text as last written, the variable's value.
    bool variableTextsKept_ = false;
    int calcStart_ = -1;
};
