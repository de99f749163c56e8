#pragma once
// The macro files of a folder run spread over worker processes: each worker is a copy of this
// process (its own module, its own grids, one thread) that evaluates every N-th file of the
// sorted list and sends back, per file, the failure reason and the warnings, and at its end
// its timers. The results come back in the order of the list, so a run with workers prints
// what a run without them prints.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "cmd_eval_files.h"
#include "cmd_eval_options.h"
#include "cmd_eval_report.h"

// What one macro file of a folder run gave.
struct FolderFileOutcome {
    std::string reason;  // empty when it was evaluated
    std::vector<std::string> warnings;
};

// Evaluates one macro file of a folder run (the process's timers then hold its figures).
FolderFileOutcome evaluateFolderFile(const EvalOptions& options, const std::string& file);

// Takes the outcome of the i-th file of the list.
using FolderOutcomeSink = std::function<void(size_t, const FolderFileOutcome&)>;

// Evaluates the files in `jobs` worker processes (jobs >= 2) and hands each file's outcome to
// `take`, in the order of the list, as soon as it and those before it are known; timers are
// the workers' timers added up. A file whose worker ended before reporting it fails with a
// reason saying so.
void evaluateInWorkers(const EvalOptions& options, const MacroFileList& files, int jobs,
                       const FolderOutcomeSink& take, std::vector<TimerFigure>& timers);
