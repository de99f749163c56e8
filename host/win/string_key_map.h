#pragma once
// A map keyed by std::string that is looked up by a view of the key, without making a string
// of it.
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

struct StringKeyHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view key) const {
        return std::hash<std::string_view>()(key);
    }
};

template <typename Value>
using StringKeyMap = std::unordered_map<std::string, Value, StringKeyHash, std::equal_to<>>;
