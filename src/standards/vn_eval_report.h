#pragma once
// What went wrong in an evaluation of a standard, in one place: the engine fills the report
// that is current while it runs (children included), and the caller reads it afterwards. The
// engine's message boxes are shown as before; the report holds the texts that were shown.
//
// A report is current for the lifetime of a VnEvalReport::Scope; scopes nest (the inner one
// is current until it ends). With no scope active, reporting does nothing.
#include <string>
#include <vector>

class VnEvalReport {
  public:
    // A step of the evaluation that failed (the name of its timer, e.g. "gLoadFile"), with the
    // standard being evaluated and its nesting depth (1 for the outermost evaluation).
    struct Step {
        std::string timer;
        std::string file;
        int depth = 0;
    };
    // An Input whose value could not be read from the macro, or an Output that could not be
    // written into it.
    struct Variable {
        std::string name;
        bool input = true;
        std::string file;
    };
    // A Calc cell whose equation failed (childCall: a CallChild that failed).
    struct Cell {
        std::string file;
        int col = 0;
        int row = 0;
        std::string equation;
        bool childCall = false;
        int depth = 0;
    };
    // A data or section file that a function needed but could not read (or found empty).
    struct File {
        std::string name;
        std::string problem;
    };

    std::vector<Step> failedSteps;  // innermost first, in the order they failed
    std::vector<Variable> variables;
    std::vector<Cell> cells;
    std::vector<File> files;
    std::vector<std::string> messages;  // the message box texts shown

    // The failed step of the outermost evaluation (the last one reported at depth 1);
    // nullptr when none failed.
    const Step* outermostFailure() const;
    // True when the outputs were computed from something missing: an Input not retrieved, a
    // CallChild that failed, or a data or section file that could not be read.
    bool incomplete() const;

    class Scope {
      public:
        explicit Scope(VnEvalReport& report);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

      private:
        VnEvalReport* previous_;
    };

    // The current report; nullptr outside every scope.
    static VnEvalReport* current();
    // The engine's side: each adds to the current report, if any.
    static void stepFailed(const char* timer, const std::string& file);
    static void variableFailed(const std::string& name, bool input, const std::string& file);
    static void cellFailed(const Cell& cell);
    static void fileUnreadable(const std::string& name, const std::string& problem);
    static void messageShown(const std::string& text);
};
