#pragma once
// The code of formulas compiled before, by formula text, cell and parse settings: the
// standards evaluation sets the same formulas into the same cells of a freshly loaded sheet
// for every evaluation, and parsing them again gives the same code. An entry also records the
// names the parse asked about as custom functions and the answers it got; it serves only while
// the asking sheet gives the same answers. Bounded: when full it is emptied and fills anew.
// Formulas of a sheet loaded whole (FormulaSetMode::Bulk) do not go through it.
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "formula_code.h"

class FormulaCompileCache {
  public:
    static constexpr std::size_t kMaxEntries = 16384;  // a few MB at most
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
    // What a formula was compiled from; a KeyView looks it up without a copy of the text.
    struct KeyView {
        std::string_view text;
        Place place;
        bool operator==(const KeyView&) const = default;
    };
    struct Key {
        std::string text;
        Place place;
        KeyView view() const { return {text, place}; }
    };

    // The kept code for the key when every name it asked about gets the same answer now.
    const Code* find(const KeyView& key, const IsCustom& isCustom) const;
    void keep(Key key, const Code& code, Asked asked);
    void clear() { entries_.clear(); }

    // The one cache of the process (the grid runs on one thread).
    static FormulaCompileCache& shared();

  private:
    struct KeyHash {
        using is_transparent = void;
        std::size_t operator()(const KeyView& k) const;
        std::size_t operator()(const Key& k) const { return (*this)(k.view()); }
    };
    struct KeyEqual {
        using is_transparent = void;
        template <typename A, typename B>
        bool operator()(const A& a, const B& b) const {
            return viewOf(a) == viewOf(b);
        }
        static KeyView viewOf(const Key& k) { return k.view(); }
        static const KeyView& viewOf(const KeyView& k) { return k; }
    };
    struct Entry {
        Code code;
        Asked asked;
    };
    std::unordered_map<Key, Entry, KeyHash, KeyEqual> entries_;
};
