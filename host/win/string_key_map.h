#pragma once
// A map keyed by std::string that is looked up by a view of the key, without making a string
// of it.
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

// A hash for the keys of these maps (names, paths): eight bytes a step, multiplied and folded,
// cheaper than the library's byte-wise hash for the short keys looked up on every evaluation.
inline std::uint64_t stringKeyHash(std::string_view key) {
    const char* p = key.data();
    std::size_t n = key.size();
    std::uint64_t h = 0x9E3779B97F4A7C15ull ^ n;
    const auto mix = [&h](std::uint64_t word) {
        h = (h ^ word) * 0xBF58476D1CE4E5B9ull;
        h ^= h >> 31;
    };
    for (; n >= 8; p += 8, n -= 8) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        mix(word);
    }
    if (n > 0) {
        std::uint64_t word = 0;
        for (std::size_t i = 0; i < n; ++i)
            word |= std::uint64_t(static_cast<unsigned char>(p[i])) << (8 * i);
        mix(word);
    }
    h *= 0x94D049BB133111EBull;
    return h ^ (h >> 29);
}

struct StringKeyHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view key) const {
        return static_cast<std::size_t>(stringKeyHash(key));
    }
};

template <typename Value>
using StringKeyMap = std::unordered_map<std::string, Value, StringKeyHash, std::equal_to<>>;
