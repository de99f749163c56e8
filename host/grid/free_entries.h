// Numbered entries reused through a list of freed numbers.
#pragma once

#include <cstdint>
#include <vector>

// The number of an entry of `entries` to fill: the last freed one in `freed`, or else a new one
// appended (default-constructed).
template <typename T>
std::uint32_t takeFreeEntry(std::vector<std::uint32_t>& freed, std::vector<T>& entries) {
    if (!freed.empty()) {
        const std::uint32_t entry = freed.back();
        freed.pop_back();
        return entry;
    }
    entries.emplace_back();
    return static_cast<std::uint32_t>(entries.size() - 1);
}
