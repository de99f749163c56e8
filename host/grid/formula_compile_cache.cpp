#include "formula_compile_cache.h"

std::size_t FormulaCompileCache::KeyHash::operator()(const KeyView& k) const {
    std::size_t h = std::hash<std::string_view>()(k.text);
    h ^= (static_cast<std::size_t>(k.place.col) * 0x9E3779B97F4A7C15ull) + (h << 6) + (h >> 2);
    h ^= (static_cast<std::size_t>(k.place.row) * 0xC2B2AE3D27D4EB4Full) + (h << 6) + (h >> 2);
    return h ^ (k.place.r1c1 ? 0x100 : 0) ^ (k.place.keepUnknownNames ? 0x200 : 0);
}

const Code* FormulaCompileCache::find(const KeyView& key, const IsCustom& isCustom) const {
    auto it = entries_.find(key);
    if (it == entries_.end()) return nullptr;
    for (const auto& [name, answer] : it->second.asked)
        if (isCustom(name) != answer) return nullptr;
    return &it->second.code;
}

void FormulaCompileCache::keep(Key key, const Code& code, Asked asked) {
    if (entries_.size() >= kMaxEntries) entries_.clear();
    entries_.insert_or_assign(std::move(key), Entry{code, std::move(asked)});
}

FormulaCompileCache& FormulaCompileCache::shared() {
    static FormulaCompileCache cache;
    return cache;
}
