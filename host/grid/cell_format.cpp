#include "cell_format.h"

#include <functional>

namespace {

void mix(std::size_t& seed, std::size_t value) {
    seed ^= value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2);
}

}  // namespace

FormatPool::FormatPool() {
    formats_.emplace_back();
    byHash_.emplace(hashOf(formats_.front()), 0);
}

std::size_t FormatPool::hashOf(const CellFormat& f) {
    std::size_t seed = 0;
    const SSCellType& t = f.cellType;
    mix(seed, std::hash<int>{}(t.type));
    mix(seed, std::hash<long>{}(t.style));
    mix(seed, std::hash<int>{}(t.decimals));
    mix(seed, std::hash<std::string>{}(t.text));
    mix(seed, std::hash<std::uintptr_t>{}(t.picture));
    mix(seed, std::hash<bool>{}(f.lock));
    mix(seed, std::hash<COLORREF>{}(f.background));
    mix(seed, std::hash<COLORREF>{}(f.foreground));
    for (const CellBorder& b : f.borders) {
        mix(seed, std::hash<int>{}(b.style));
        mix(seed, std::hash<COLORREF>{}(b.color));
    }
    mix(seed, std::hash<std::string>{}(f.font.name));
    mix(seed, std::hash<int>{}(f.font.height));
    return seed;
}

std::uint32_t FormatPool::intern(const CellFormat& format) {
    const std::size_t h = hashOf(format);
    auto [first, last] = byHash_.equal_range(h);
    for (auto it = first; it != last; ++it) {
        if (formats_[it->second] == format) return it->second;
    }
    const auto id = static_cast<std::uint32_t>(formats_.size());
    formats_.push_back(format);
    byHash_.emplace(h, id);
    return id;
}

const CellFormat& FormatPool::get(std::uint32_t id) const {
    return id < formats_.size() ? formats_[id] : formats_.front();
}
