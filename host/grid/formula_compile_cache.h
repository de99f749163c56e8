#pragma once
// The code of formulas compiled before, by formula text, cell and parse settings: the
// standards evaluation sets the same formulas into the same cells of a freshly loaded sheet
// for every evaluation, and parsing them again gives the same code. An entry also records the
// names the parse asked about as custom functions and the answers it got; it serves only while
// the asking sheet gives the same answers. The answers are asked again only when the asking
// sheet's set of custom-function names (its stamp) is not the one they were last checked
// against. Bounded: when full it is emptied and fills anew.
// An entry's text, code and references lie side by side in one array, in the order they were
// kept: an evaluation that sets the same formulas again reads them in that order too.
// Formulas of a sheet loaded whole (FormulaSetMode::Bulk) do not go through it.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "formula_code.h"

class FormulaCompileCache {
  public:
    static constexpr std::size_t kMaxEntries = 16384;
    static constexpr std::size_t kMaxWords = std::size_t{1} << 22;  // 16 MB of texts and code
    using IsCustom = std::function<bool(std::string_view upperName)>;
    using Asked = std::vector<std::pair<std::string, bool>>;

    // Where and how a formula text was compiled.
    struct Place {
        int col = 0;
        int row = 0;
        bool r1c1 = false;
        bool keepUnknownNames = false;
        bool operator==(const Place&) const = default;
    };
    // What a formula was compiled from, viewed: a look-up needs no copy of the text.
    struct KeyView {
        std::string_view text;
        Place place;
        bool operator==(const KeyView&) const = default;
    };

    // The kept code (with its references) for the key when every name it asked about gets the same
    // answer now; its views are valid until the next `keep` or `clear`. `nameSet` stamps the
    // names `isCustom` knows: equal stamps mean equal answers (see CustomFunctions::nameSet).
    template <typename IsCustomName>
    std::optional<CompiledFormula> find(const KeyView& key, std::uint64_t nameSet,
                                        const IsCustomName& isCustom) const {
        const Entry* entry = lookUp(key);
        if (!entry) return std::nullopt;
        if (entry->checkedFor != nameSet && entry->asked != 0) {
            for (const auto& [name, answer] : asked_[entry->asked - 1])
                if (isCustom(name) != answer) return std::nullopt;
        }
        entry->checkedFor = nameSet;
        return compiledOf(*entry);
    }
    // `asked` was answered by names stamped `nameSet`; `refs` are the code's references.
    void keep(const KeyView& key, CodeView code, CodeView refs, Asked asked, std::uint64_t nameSet);
    void clear();

    // The one cache of the process (the grid runs on one thread).
    static FormulaCompileCache& shared();

  private:
    // Entries lie in one array and are found through a table of slots (open addressing, the
    // part of the hash beside each entry's number): a look-up reads one slot line and the one
    // entry it names, instead of following a chain of scattered nodes, which decides the cost
    // per formula once thousands of entries no longer fit the processor's caches.
    // 48 bytes: the entries an evaluation walks stay few cache lines.
    struct Entry {
        std::size_t hash = 0;
        mutable std::uint64_t checkedFor = 0;  // the names `asked` was last answered by
        Place place;
        std::uint32_t at = 0;  // the first word of the entry's text in words_
        std::uint32_t textBytes = 0;
        std::uint32_t codeWords = 0;  // after the text, padded to whole words
        std::uint32_t refCount = 0;   // after the code
        std::uint32_t asked = 0;      // 1 + index into asked_; 0 when the parse asked nothing
    };
    struct Slot {
        std::uint32_t hashPart = 0;
        std::uint32_t entry = 0;  // 1 + index into entries_; 0 is an empty slot
    };
    static std::size_t hashOf(const KeyView& k);
    static std::size_t textWords(std::size_t bytes) { return (bytes + 3) / 4; }
    std::string_view textOf(const Entry& entry) const;
    CompiledFormula compiledOf(const Entry& entry) const;
    bool holds(const Entry& entry, const KeyView& key) const {
        return entry.place == key.place && textOf(entry) == key.text;
    }
    // Stores the text, code and references at the end of words_ and points `entry` at them.
    void store(Entry& entry, const KeyView& key, CodeView code, CodeView refs);
    // One of the entries last kept or found for this key's place, when its text is the key's
    // too: the same formula set into the same cell again is found without hashing its text.
    const Entry* lastAtPlace(const KeyView& key) const;
    // Remembers entry number `entry` (1 + index) as the last seen at `place`.
    void seenAtPlace(const Place& place, std::uint32_t entry) const;
    // The first of the place's kPlaceWays slots in byPlace_.
    std::size_t placeSlot(const Place& place) const;
    // Keeps byPlace_ at least twice the ways the entries need, so that a sheet of many
    // formulas finds each again by its place; a grown table is filled again from the entries.
    void growPlaces();
    const Entry* lookUp(const KeyView& key) const;
    // The slot holding `key`, or the empty slot where it would go.
    std::size_t slotFor(const KeyView& key, std::size_t hash) const;
    void growSlots();

    std::vector<Entry> entries_;
    // The entry after the one last kept or found: formulas set again in the order they were
    // first set find each other there, reading the entries in order.
    mutable std::size_t next_ = 0;
    std::vector<std::uint32_t> words_;  // each entry's text, code and references in turn
    std::vector<Asked> asked_;
    std::vector<Slot> slots_;  // a power of two in size, at most half full
    // By a hash of the place, the entries last seen there, the latest first: 1 + index into
    // entries_; 0 for none. Two ways, for a cell that takes two formulas in turn. A power of
    // two in size.
    static constexpr std::size_t kPlaceWays = 2;
    static constexpr std::size_t kPlaceSlots = 2048;
    mutable std::vector<std::uint32_t> byPlace_ = std::vector<std::uint32_t>(kPlaceSlots, 0);
};
