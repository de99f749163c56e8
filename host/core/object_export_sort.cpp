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

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The number that starts at `at` (digits with at most one decimal point); `at` moves past it.
double numberAt(const std::string& s, size_t& at) {
    double value = 0, scale = 0;
    for (; at < s.size(); ++at) {
        if (s[at] == '.' && scale == 0 && at + 1 < s.size() && isDigit(s[at + 1])) {
            scale = 0.1;
        } else if (!isDigit(s[at])) {
            break;
        } else if (scale == 0) {
            value = value * 10 + (s[at] - '0');
        } else {
            value += (s[at] - '0') * scale;
            scale /= 10;
        }
    }
    return value;
}

}  // namespace

int ObjectExportCompareNames(const Ktx_String& a, const Ktx_String& b) {
    const std::string &x = a.str(), &y = b.str();
    size_t i = 0, j = 0;
    while (i < x.size() && j < y.size()) {
        if (isDigit(x[i]) && isDigit(y[j])) {
            const double u = numberAt(x, i), v = numberAt(y, j);
            if (u != v) return u < v ? -1 : 1;
            continue;
        }
        const int c =
            ktxCompareNoCase(std::string_view(x).substr(i, 1), std::string_view(y).substr(j, 1));
        if (c != 0) return c;
        ++i;
        ++j;
    }
    if (i < x.size()) return 1;
    return j < y.size() ? -1 : 0;
}

int ObjectExportAddToSorted(Ktx_StringArray& names, const Ktx_String& name) {
    int at = 0;
    while (at < names.length() && ObjectExportCompareNames(names[at], name) <= 0) ++at;
    names.insertAt(at, name);
    return at + 1;
}
