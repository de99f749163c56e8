#include "cell_format.h"

#include <functional>

namespace {

void mix(std::size_t& seed, std::size_t value) {
    seed ^= value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2);
}

}  // namespace

FormatPool::FormatPool() : serial_(nextSerial()) {
    formats_.emplace_back();
    byHash_.emplace(hashOf(formats_.front().cellType, formats_.front()), 0);
}

std::uint64_t FormatPool::nextSerial() {
    static std::uint64_t next = 0;
    return ++next;
}

// The copy is a pool of its own: it gets a new serial (a pool it was copied into before may
// hold other formats under the same numbers now).
FormatPool& FormatPool::operator=(const FormatPool& other) {
    if (this == &other) return *this;
    formats_ = other.formats_;
    byHash_ = other.byHash_;
    recentTypeChanges_ = other.recentTypeChanges_;
    nextTypeChange_ = other.nextTypeChange_;
    serial_ = nextSerial();
    copiedFrom_ = other.serial_;
    copiedSize_ = other.formats_.size();
    return *this;
}

void FormatPool::assignNumbering(const FormatPool& other) {
    // Since the copy both pools only added formats: this one still begins with all of other's.
    if (copiedFrom_ == other.serial_ && copiedSize_ == other.formats_.size()) return;
    *this = other;
}

// The hash of the format `rest` would have with cell type `t`.
std::size_t FormatPool::hashOf(const SSCellType& t, const CellFormat& f) {
    std::size_t seed = 0;
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

bool FormatPool::sameBesideType(const CellFormat& a, const CellFormat& b) {
    return a.lock == b.lock && a.background == b.background && a.foreground == b.foreground &&
           a.borders == b.borders && a.font == b.font;
}

std::uint32_t FormatPool::add(CellFormat format, std::size_t hash) {
    const auto id = static_cast<std::uint32_t>(formats_.size());
    formats_.push_back(std::move(format));
    byHash_.emplace(hash, id);
    return id;
}

std::uint32_t FormatPool::intern(const CellFormat& format) {
    const std::size_t h = hashOf(format.cellType, format);
    auto [first, last] = byHash_.equal_range(h);
    for (auto it = first; it != last; ++it) {
        if (formats_[it->second] == format) return it->second;
    }
    return add(format, h);
}

std::uint32_t FormatPool::internWithNewType(std::uint32_t from, const SSCellType& type) {
    // get() answers an unknown number with format 0.
    if (from >= formats_.size()) return internWithType(0, type);
    const std::uint32_t to = findOrAddWithType(from, type);
    recentTypeChanges_[nextTypeChange_] = {from, to};
    nextTypeChange_ = (nextTypeChange_ + 1) % recentTypeChanges_.size();
    return to;
}

std::uint32_t FormatPool::findOrAddWithType(std::uint32_t from, const SSCellType& type) {
    const CellFormat& base = formats_[from];
    const std::size_t h = hashOf(type, base);
    auto [first, last] = byHash_.equal_range(h);
    for (auto it = first; it != last; ++it) {
        const CellFormat& f = formats_[it->second];
        if (f.cellType == type && sameBesideType(f, base)) return it->second;
    }
    CellFormat changed = base;  // copied before add() may move `base`
    changed.cellType = type;
    return add(std::move(changed), h);
}
