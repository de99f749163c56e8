#pragma once
// Printing the result of "vnstd eval": an aligned table or JSON of the variables (section,
// name, type, value before, value after), the 25 evaluation timers, and the summary of a
// folder run.
#include <cstdio>
#include <string>
#include <vector>

#include "cmd_eval_run.h"

// The figures of one evaluation timer (or of several evaluations added up).
struct TimerFigure {
    std::string name;
    int laps = 0;
    double seconds = 0.0;
};

// The 25 timers' figures as they stand now, in their exported order.
std::vector<TimerFigure> currentTimerFigures();
// Adds the figures of add to sum (sum empty: becomes add).
void addTimerFigures(std::vector<TimerFigure>& sum, const std::vector<TimerFigure>& add);
// Adds the 25 timers' figures as they stand now to sum (sum empty: becomes them); the same as
// addTimerFigures(sum, currentTimerFigures()) without making the names anew.
void addCurrentTimerFigures(std::vector<TimerFigure>& sum);

// Number texts without trailing zeros ("180.0000000" gives "180", "12.50" gives "12.5");
// any other text unchanged.
std::string tidyNumberText(const std::string& text);

void printEvalTable(std::FILE* out, const EvalResult& result);
// The timers as an aligned table (name, laps, total milliseconds).
void printTimerTable(std::FILE* out, const std::vector<TimerFigure>& timers);
// One JSON object: {"standard", "macro", "ok", "reason", "variables": [...], "timings"?}.
void printEvalJson(std::FILE* out, const std::string& standard, const std::string& macro,
                   const EvalResult& result, const std::vector<TimerFigure>* timings);

// A macro file of a folder run that failed, and why.
struct FolderEntry {
    std::string macro;
    std::string reason;
};
// The outcome of a folder run: how many files it evaluated and the failed ones in file order
// (only those are held, so a run of many files costs no memory per file).
struct FolderSummary {
    std::size_t evaluated = 0;
    std::vector<FolderEntry> failures;
    // Counts one file; reason is empty when it was evaluated.
    void add(const std::string& macro, const std::string& reason);
};
// The summary of a folder run: "evaluated: N", "failed: M", then one line per failure.
void printFolderSummary(std::FILE* out, const FolderSummary& summary);
// The same as one JSON object: {"evaluated", "failed", "failures": [{"macro", "reason"}],
// "timings"?}.
void printFolderJson(std::FILE* out, const FolderSummary& summary,
                     const std::vector<TimerFigure>* timings);

// A JSON string literal of bytes with code page 1252 meaning.
std::string jsonString(const std::string& bytes);
