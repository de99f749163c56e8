#include "spread_equal_runs.h"

#include <cstddef>

namespace spread_runs {

std::vector<Run> equalRuns(const std::vector<std::string>& texts) {
    std::vector<Run> runs;
    std::size_t start = 0;
    while (start < texts.size()) {
        std::size_t end = start + 1;
        while (end < texts.size() && texts[end] == texts[start]) ++end;
        if (end - start >= 2 && !texts[start].empty())
            runs.push_back({static_cast<int>(start), static_cast<int>(end - start)});
        start = end;
    }
    return runs;
}

}  // namespace spread_runs
