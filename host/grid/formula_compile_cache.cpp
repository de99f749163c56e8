#include "formula_compile_cache.h"

#include <algorithm>
#include <cstring>

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
            if (entry.hash == hash && holds(entry, key)) return at;
        }
    }
}

std::size_t FormulaCompileCache::placeSlot(const Place& place) const {
    const std::uint64_t mixed =
        (static_cast<std::uint64_t>(static_cast<std::uint32_t>(place.col)) << 32 |
         static_cast<std::uint32_t>(place.row)) *
        0x9E3779B97F4A7C15ull;
    const std::size_t flags = (place.r1c1 ? 1 : 0) | (place.keepUnknownNames ? 2 : 0);
    return (((mixed >> 40) ^ flags) * kPlaceWays) & (byPlace_.size() - 1);
}

void FormulaCompileCache::growPlaces() {
    if (2 * kPlaceWays * entries_.size() <= byPlace_.size()) return;
    byPlace_.assign(2 * byPlace_.size(), 0);
    for (std::size_t i = 0; i < entries_.size(); ++i)
        seenAtPlace(entries_[i].place, static_cast<std::uint32_t>(i + 1));
}

const FormulaCompileCache::Entry* FormulaCompileCache::lastAtPlace(const KeyView& key) const {
    const std::size_t first = placeSlot(key.place);
    for (std::size_t way = 0; way < kPlaceWays; ++way) {
        const std::uint32_t seen = byPlace_[first + way];
        if (seen == 0 || seen > entries_.size()) continue;
        const Entry& entry = entries_[seen - 1];
        if (holds(entry, key)) return &entry;
    }
    return nullptr;
}

void FormulaCompileCache::seenAtPlace(const Place& place, std::uint32_t entry) const {
    std::uint32_t* ways = &byPlace_[placeSlot(place)];
    if (ways[0] == entry) return;
    for (std::size_t way = kPlaceWays - 1; way > 0; --way) ways[way] = ways[way - 1];
    ways[0] = entry;
}

const FormulaCompileCache::Entry* FormulaCompileCache::lookUp(const KeyView& key) const {
    if (entries_.empty()) return nullptr;
    if (next_ < entries_.size() && holds(entries_[next_], key)) return &entries_[next_++];
    const Entry* entry = lastAtPlace(key);
    if (!entry) {
        const Slot& slot = slots_[slotFor(key, hashOf(key))];
        if (slot.entry == 0) return nullptr;
        seenAtPlace(key.place, slot.entry);
        entry = &entries_[slot.entry - 1];
    }
    next_ = static_cast<std::size_t>(entry - entries_.data()) + 1;
    return entry;
}

std::string_view FormulaCompileCache::textOf(const Entry& entry) const {
    return {reinterpret_cast<const char*>(words_.data() + entry.at), entry.textBytes};
}

CompiledFormula FormulaCompileCache::compiledOf(const Entry& entry) const {
    const std::uint32_t* code = words_.data() + entry.at + textWords(entry.textBytes);
    return {CodeView(code, entry.codeWords), CodeView(code + entry.codeWords, entry.refCount)};
}

void FormulaCompileCache::store(Entry& entry, const KeyView& key, CodeView code, CodeView refs) {
    const std::size_t at = words_.size();
    words_.resize(at + textWords(key.text.size()) + code.size() + refs.size());
    std::uint32_t* out = words_.data() + at;
    if (!key.text.empty()) std::memcpy(out, key.text.data(), key.text.size());
    out += textWords(key.text.size());
    out = std::copy(code.begin(), code.end(), out);
    std::copy(refs.begin(), refs.end(), out);
    entry.at = static_cast<std::uint32_t>(at);
    entry.textBytes = static_cast<std::uint32_t>(key.text.size());
    entry.codeWords = static_cast<std::uint32_t>(code.size());
    entry.refCount = static_cast<std::uint32_t>(refs.size());
}

void FormulaCompileCache::keep(const KeyView& key, CodeView code, CodeView refs, Asked asked,
                               std::uint64_t nameSet) {
    const std::size_t words = textWords(key.text.size()) + code.size() + refs.size();
    if (words > kMaxWords) return;  // a formula too big to keep is compiled each time
    if (entries_.size() >= kMaxEntries || words_.size() + words > kMaxWords ||
        asked_.size() >= kMaxEntries)
        clear();
    if (2 * (entries_.size() + 1) > slots_.size()) growSlots();
    const std::size_t hash = hashOf(key);
    Slot& slot = slots_[slotFor(key, hash)];
    const bool known = slot.entry != 0;
    if (!known) {
        entries_.emplace_back();
        slot = Slot{static_cast<std::uint32_t>(hash), static_cast<std::uint32_t>(entries_.size())};
    }
    // A key kept again takes its new code; the old words stay unused until the cache empties.
    Entry& entry = entries_[slot.entry - 1];
    entry.hash = hash;
    entry.place = key.place;
    entry.checkedFor = nameSet;
    store(entry, key, code, refs);
    entry.asked = 0;
    if (!asked.empty()) {
        asked_.push_back(std::move(asked));
        entry.asked = static_cast<std::uint32_t>(asked_.size());
    }
    seenAtPlace(entry.place, slot.entry);
    next_ = slot.entry;
    if (!known) growPlaces();
}

void FormulaCompileCache::clear() {
    entries_.clear();
    next_ = 0;
    words_.clear();
    asked_.clear();
    slots_.assign(slots_.size(), Slot{});
    byPlace_.assign(kPlaceSlots, 0);
}

void FormulaCompileCache::growSlots() {
    slots_.assign(slots_.empty() ? 64 : 2 * slots_.size(), Slot{});
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const Entry& entry = entries_[i];
        slots_[slotFor({textOf(entry), entry.place}, entry.hash)] =
            Slot{static_cast<std::uint32_t>(entry.hash), static_cast<std::uint32_t>(i + 1)};
    }
}

FormulaCompileCache& FormulaCompileCache::shared() {
    static FormulaCompileCache cache;
    return cache;
}
