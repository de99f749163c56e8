#include "formula_reference.h"

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

char upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}

// Reads digits at `i` as a positive number up to `limit`; nullopt when none or too big.
std::optional<long> readNumber(std::string_view w, std::size_t& i, long limit) {
    std::size_t start = i;
    long v = 0;
    while (i < w.size() && isDigit(w[i])) {
        v = v * 10 + (w[i] - '0');
        if (v > limit) return std::nullopt;
        ++i;
    }
    if (i == start) return std::nullopt;
    return v;
}

// One R or C part: "R" alone (relative 0), "R5" (absolute), "R[-2]" (relative).
bool readR1C1Part(std::string_view w, std::size_t& i, char letter, int host, int max, int& value,
                  bool& absolute) {
    if (i >= w.size() || upper(w[i]) != letter) return false;
    ++i;
    if (i < w.size() && w[i] == '[') {
        ++i;
        bool negative = i < w.size() && w[i] == '-';
        if (negative || (i < w.size() && w[i] == '+')) ++i;
        auto offset = readNumber(w, i, max);
        if (!offset || i >= w.size() || w[i] != ']') return false;
        ++i;
        value = host + static_cast<int>(negative ? -*offset : *offset);
        absolute = false;
    } else if (i < w.size() && isDigit(w[i])) {
        auto v = readNumber(w, i, max);
        if (!v) return false;
        value = static_cast<int>(*v);
        absolute = true;
    } else {
        value = host;
        absolute = false;
    }
    return value >= 1 && value <= max;
}

}  // namespace

std::string columnLetters(int col) {
    if (col < 1 || col > 18278) return {};
    std::string s;
    for (int c = col; c > 0; c = (c - 1) / 26)
        s.insert(s.begin(), static_cast<char>('A' + (c - 1) % 26));
    return s;
}

std::optional<CellReference> parseA1Reference(std::string_view w, int maxCol, int maxRow) {
    CellReference ref;
    std::size_t i = 0;
    if (i < w.size() && w[i] == '$') {
        ref.absCol = true;
        ++i;
    }
    long col = 0;
    std::size_t letters = i;
    while (i < w.size() && upper(w[i]) >= 'A' && upper(w[i]) <= 'Z') {
        col = col * 26 + (upper(w[i]) - 'A' + 1);
        if (col > maxCol) return std::nullopt;
        ++i;
    }
    if (i == letters) return std::nullopt;
    if (i < w.size() && w[i] == '$') {
        ref.absRow = true;
        ++i;
    }
    auto row = readNumber(w, i, maxRow);
    if (!row || *row < 1 || i != w.size()) return std::nullopt;
    ref.col = static_cast<int>(col);
    ref.row = static_cast<int>(*row);
    return ref;
}

std::optional<CellReference> parseR1C1Reference(std::string_view w, int hostCol, int hostRow,
                                                int maxCol, int maxRow) {
    CellReference ref;
    std::size_t i = 0;
    if (!readR1C1Part(w, i, 'R', hostRow, maxRow, ref.row, ref.absRow)) return std::nullopt;
    if (!readR1C1Part(w, i, 'C', hostCol, maxCol, ref.col, ref.absCol)) return std::nullopt;
    if (i != w.size()) return std::nullopt;
    return ref;
}

std::string formatA1Reference(const CellReference& ref) {
    std::string s;
    if (ref.absCol) s += '$';
    s += columnLetters(ref.col);
    if (ref.absRow) s += '$';
    s += std::to_string(ref.row);
    return s;
}

std::string formatR1C1Reference(const CellReference& ref, int hostCol, int hostRow) {
    auto part = [](char letter, int value, int host, bool absolute) {
        std::string s(1, letter);
        if (absolute) return s + std::to_string(value);
        if (value != host) s += "[" + std::to_string(value - host) + "]";
        return s;
    };
    return part('R', ref.row, hostRow, ref.absRow) + part('C', ref.col, hostCol, ref.absCol);
}
