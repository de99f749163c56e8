#pragma once
// Runs of equal neighbouring texts, as the grid joins them into one spanned cell.
#include <string>
#include <vector>

namespace spread_runs {

struct Run {
    int first = 0;  // index of the run's first text
    int count = 0;  // number of texts in the run, at least 2
    bool operator==(const Run&) const = default;
};

// Every run of two or more consecutive texts that are equal and not empty, in order. A run
// that reaches the last text is reported like any other.
std::vector<Run> equalRuns(const std::vector<std::string>& texts);

}  // namespace spread_runs
