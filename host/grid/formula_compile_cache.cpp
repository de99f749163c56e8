#include "formula_compile_cache.h"

std::size_t FormulaCompileCache::hashOf(const KeyView& k) {
    std::size_t h = std::hash<std::string_view>()(k.text);
    h ^= (static_cast<std::size_t>(k.place.col) * 0x9E3779B97F4A7C15ull) + (h << 6) + (h >> 2);
    h ^= (static_cast<std::size_t>(k.place.row) * 0xC2B2AE3D27D4EB4Full) + (h << 6) + (h >> 2);
    h ^= (k.place.r1c1 ? 0x100 : 0) ^ (k.place.keepUnknownNames ? 0x200 : 0);
    return h * 0x9E3779B97F4A7C15ull;  // spreads every bit into the high ones the slots use
}

std::size_t FormulaCompileCache::slotFor(const KeyView& key, std::size_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    const auto hashPart = static_cast<std::uint32_t>(hash);
    for (std::size_t at = (hash >> 32) & mask;; at = (at + 1) & mask) {
        const Slot& slot = slots_[at];
        if (slot.entry == 0) return at;
        if (slot.hashPart == hashPart) {
            const Entry& entry = entries_[slot.entry - 1];
            if (entry.hash == hash && entry.key.view() == key) return at;
        }
    }
}

const Code* FormulaCompileCache::find(const KeyView& key, std::uint64_t nameSet,
                                      const IsCustom& isCustom) const {
    if (entries_.empty()) return nullptr;
    const Slot& slot = slots_[slotFor(key, hashOf(key))];
    if (slot.entry == 0) return nullptr;
    const Entry& entry = entries_[slot.entry - 1];
    if (entry.checkedFor == nameSet) return &entry.code;
    for (const auto& [name, answer] : entry.asked)
        if (isCustom(name) != answer) return nullptr;
    entry.checkedFor = nameSet;
    return &entry.code;
}

void FormulaCompileCache::keep(Key key, const Code& code, Asked asked, std::uint64_t nameSet) {
    if (entries_.size() >= kMaxEntries) clear();
    if (2 * (entries_.size() + 1) > slots_.size()) growSlots();
    const std::size_t hash = hashOf(key.view());
    Slot& slot = slots_[slotFor(key.view(), hash)];
    if (slot.entry != 0) {  // the same key again: its new code replaces the old
        Entry& entry = entries_[slot.entry - 1];
        entry.code = code;
        entry.asked = std::move(asked);
        entry.checkedFor = nameSet;
        return;
    }
    entries_.push_back(Entry{std::move(key), hash, code, std::move(asked), nameSet});
    slot = Slot{static_cast<std::uint32_t>(hash), static_cast<std::uint32_t>(entries_.size())};
}

void FormulaCompileCache::clear() {
    entries_.clear();
    slots_.assign(slots_.size(), Slot{});
}

void FormulaCompileCache::growSlots() {
    slots_.assign(slots_.empty() ? 64 : 2 * slots_.size(), Slot{});
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const Entry& entry = entries_[i];
        slots_[slotFor(entry.key.view(), entry.hash)] =
            Slot{static_cast<std::uint32_t>(entry.hash), static_cast<std::uint32_t>(i + 1)};
    }
}

FormulaCompileCache& FormulaCompileCache::shared() {
    static FormulaCompileCache cache;
    return cache;
}
