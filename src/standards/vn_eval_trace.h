#pragma once
// What an evaluation of a standard did, step by step, for a caller that wants to explain its
// results: every sheet evaluated (the standard and each child it called), the variables each
// began its calculation with, every Calc cell in order (its text, the formula it became, the
// value it gave) and what the engineering functions chose inside each cell.
//
// A trace is filled only while a VnEvalTrace::Scope is active (scopes nest; the inner one is
// current). With no scope active every engine call below returns at once, so evaluations that
// nobody explains pay one pointer test per call.
//
// Sheets form a tree: a child sheet records the sheet and cell (the CallChild) that called it.
#include <string>
#include <utility>
#include <vector>

class Ktx_StringArray;
class VnVarCells;

class VnEvalTrace {
  public:
    // What one engineering function chose while a cell was calculated.
    struct Choice {
        std::string function;  // "STDWIDTHWITHTOLERANCE", "GETCELL", "SECTIONSIZE" ...
        std::string detail;    // in words: the file, the key, the row found, the value read
        std::vector<double> candidates;  // tolerance functions: the candidates, in order
        double low = 0.0, high = 0.0;    // tolerance functions: the window around the value
        bool tolerance = false;          // candidates, low and high are filled
        std::string result;              // the value the function gave ("" when it failed)
    };
    // One variable as a sheet began its calculation (after its inputs were filled).
    struct Variable {
        std::string name;
        int section = 0;  // 0 Input, 1 Output, 2 Local
        int type = 2;     // 0 Int, 1 Double, 2 String
        std::string value;
        int col = 0, row = 0;
    };
    // One Calc cell, calculated.
    struct Cell {
        int col = 0, row = 0;
        std::string text;        // the cell's text when it was calculated
        std::string left;        // the variable it assigns ("" when none)
        std::string expression;  // the right side
        std::string formula;     // the translated formula ("" for a CallChild or a failure)
        std::string value;       // the value the left variable took
        bool ok = false;
        bool childCall = false;
        int childSheet = -1;  // the sheet the CallChild evaluated (index into sheets)
        std::vector<Choice> choices;
    };
    struct Sheet {
        std::string file;
        int depth = 0;  // 1 for the outermost standard
        int parentSheet = -1, parentCell = -1;
        std::vector<Variable> variables;
        // The general variables replaced in its cells before the calculation (name, value).
        std::vector<std::pair<std::string, std::string>> generalVariables;
        std::vector<Cell> cells;
    };

    std::vector<Sheet> sheets;

    class Scope {
      public:
        explicit Scope(VnEvalTrace& trace);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

      private:
        VnEvalTrace* previous_;
    };

    // The current trace; nullptr outside every scope.
    static VnEvalTrace* current() { return current_; }

    // The engine's side. A sheet starts its calculation with these variables (at the current
    // nesting depth); cells and choices then go to it until it ends. Without a trace each call
    // is the one pointer test inline here.
    static void sheetStarted(const std::string& file, const VnVarCells& variables,
                             const Ktx_StringArray& genVarNames,
                             const Ktx_StringArray& genVarValues) {
        if (current_) current_->startSheet(file, variables, genVarNames, genVarValues);
    }
    static void sheetEnded() {
        if (current_) current_->endSheet();
    }
    // A Calc cell begins (its text as read); the choices made until cellEnded belong to it.
    static void cellStarted(int col, int row, std::string_view text) {
        if (current_) current_->startCell(col, row, std::string(text));
    }
    static void cellEquation(const std::string& left, const std::string& expression,
                             bool childCall) {
        if (current_) current_->setEquation(left, expression, childCall);
    }
    static void cellFormula(std::string_view formula) {
        if (current_) current_->setFormula(std::string(formula));
    }
    static void cellEnded(bool ok, const std::string& value) {
        if (current_) current_->endCell(ok, value);
    }
    // An engineering function's choice inside the cell being calculated.
    static void choiceMade(const Choice& choice) {
        if (current_) current_->addChoice(choice);
    }

  private:
    static inline VnEvalTrace* current_ = nullptr;

    void startSheet(const std::string& file, const VnVarCells& variables,
                    const Ktx_StringArray& genVarNames, const Ktx_StringArray& genVarValues);
    void endSheet();
    void startCell(int col, int row, const std::string& text);
    void setEquation(const std::string& left, const std::string& expression, bool childCall);
    void setFormula(const std::string& formula);
    void endCell(bool ok, const std::string& value);
    void addChoice(const Choice& choice);
    Cell* openCell();
    std::vector<int> openSheets_;  // the sheets being calculated, outermost first
    std::vector<int> openCells_;   // per open sheet: its cell being calculated, or -1
};
