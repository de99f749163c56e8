#include "spread_column_fit.h"

#include <algorithm>
#include <cstddef>

namespace spread_fit {

std::vector<int> shareEqually(int total, int count) {
    if (count <= 0) return {};
    const int usable = std::max(total, 0);
    std::vector<int> parts(static_cast<std::size_t>(count), usable / count);
    for (int i = 0; i < usable % count; ++i) ++parts[static_cast<std::size_t>(i)];
    return parts;
}

namespace {

int columnCount(const Widths& current) {
    return current.empty() ? 0 : static_cast<int>(current.size()) - 1;
}

// Gives the shares of `total` to the listed layout entries, in order.
void assignShares(Widths& layout, const std::vector<int>& entries, int total) {
    const std::vector<int> parts = shareEqually(total, static_cast<int>(entries.size()));
    for (std::size_t i = 0; i < entries.size(); ++i)
        layout[static_cast<std::size_t>(entries[i])] = parts[i];
}

int rowHeaderShare(const Widths& current, bool rowHeaders) {
    return rowHeaders && !current.empty() ? current[0] : 0;
}

}  // namespace

Widths fitEqual(const Widths& current, int available, bool rowHeaders) {
    Widths layout = current;
    std::vector<int> entries;
    for (int c = rowHeaders ? 0 : 1; c <= columnCount(current); ++c) entries.push_back(c);
    assignShares(layout, entries, available);
    return layout;
}

Widths fitFromColumn(const Widths& current, int available, bool rowHeaders, int fitColumn) {
    Widths layout = current;
    const int n = columnCount(current);
    if (fitColumn < 1 || fitColumn > n) return layout;
    int left = available - rowHeaderShare(current, rowHeaders);
    std::vector<int> entries;
    for (int c = 1; c <= n; ++c) {
        if (c < fitColumn)
            left -= current[static_cast<std::size_t>(c)];
        else
            entries.push_back(c);
    }
    assignShares(layout, entries, left);
    return layout;
}

Widths fitOneColumn(const Widths& current, int available, bool rowHeaders, int fitColumn,
                    int fixedWidth) {
    Widths layout = current;
    const int n = columnCount(current);
    if (fitColumn < 1 || fitColumn > n) return layout;
    int left = available - rowHeaderShare(current, rowHeaders);
    for (int c = 1; c <= n; ++c) {
        if (c == fitColumn) continue;
        layout[static_cast<std::size_t>(c)] = std::max(fixedWidth, 0);
        left -= layout[static_cast<std::size_t>(c)];
    }
    layout[static_cast<std::size_t>(fitColumn)] = std::max(left, 0);
    return layout;
}

Widths fitListed(const Widths& current, int available, bool rowHeaders,
                 const std::vector<int>& columns, const std::vector<int>& widths) {
    Widths layout = current;
    const int n = columnCount(current);
    if (current.empty()) return layout;
    std::vector<bool> fixed(current.size(), false);
    fixed[0] = true;  // the row-header column never shares
    for (std::size_t i = 0; i < columns.size() && i < widths.size(); ++i) {
        const int c = columns[i];
        if (c < 0 || c > n || (c == 0 && !rowHeaders)) continue;
        layout[static_cast<std::size_t>(c)] = std::max(widths[i], 0);
        fixed[static_cast<std::size_t>(c)] = true;
    }
    int left = available - (rowHeaders ? layout[0] : 0);
    std::vector<int> entries;
    for (int c = 1; c <= n; ++c) {
        if (fixed[static_cast<std::size_t>(c)])
            left -= layout[static_cast<std::size_t>(c)];
        else
            entries.push_back(c);
    }
    assignShares(layout, entries, left);
    return layout;
}

}  // namespace spread_fit
