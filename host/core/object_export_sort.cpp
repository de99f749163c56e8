#include "object_export_sort.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

// Stable order of positions 0..n-1 by a less-than over positions.
template <typename Less>
std::vector<int> sortedOrder(int n, Less less) {
    std::vector<int> order(static_cast<size_t>(n));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), less);
    return order;
}

template <typename T>
void applyOrder(Ktx_Array<T>& items, const std::vector<int>& order) {
    std::vector<T> sorted;
    sorted.reserve(order.size());
    for (int i : order) sorted.push_back(items[i]);
    items.asVector() = std::move(sorted);
}

}  // namespace

void ObjectExportSort(Ktx_Array<double>& values, bool ascending) {
    Ktx_Array<int> ignored;
    ObjectExportSort(values, ignored, ascending);
}

void ObjectExportSort(Ktx_Array<double>& values, Ktx_Array<int>& indices, bool ascending) {
    if (indices.length() != values.length()) {
        indices.removeAll();
        for (int i = 0; i < values.length(); ++i) indices.append(i);
    }
    const auto order = sortedOrder(values.length(), [&](int a, int b) {
        return ascending ? values[a] < values[b] : values[b] < values[a];
    });
    applyOrder(values, order);
    applyOrder(indices, order);
}

void ObjectExportSort(Ktx_StringArray& texts, bool caseSensitive, bool ascending) {
    const auto order = sortedOrder(texts.length(), [&](int a, int b) {
        const auto& x = texts[ascending ? a : b].str();
        const auto& y = texts[ascending ? b : a].str();
        return caseSensitive ? x < y : ktxCompareNoCase(x, y) < 0;
    });
    applyOrder(texts, order);
}
