// The custom functions of one sheet and the calling convention that joins them to the
// evaluator: arguments become SpreadValue records (strings in global memory blocks), the
// result record becomes a value, and every block is freed exactly once.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "formula_engine.h"
#include "formula_eval.h"
#include "string_key_map.h"

struct CustomFunctionEntry {
    int minArgs = 0;
    int maxArgs = 0;
    long flags = 0;
    FormulaCustomFunction callback = nullptr;
};

// The functions by name. A function let go (by clear() or a copy without it) leaves its entry
// behind without a callback, so that a sheet that registers the same functions after every
// load allocates nothing for them; at most kMaxEntries such names are kept.
//
// The names registered since the registry was last emptied are also remembered in their
// order, as given: a sheet that registers the same functions in the same order after every
// load (addAgain) finds each entry by comparing the name as given with the one remembered at
// that place, without upper-casing or hashing it.
//
// nameSet() is a stamp of the set of registered names: two registries (or one at two times)
// with the same stamp have the same names. Most changes take a stamp never given before; a
// registry emptied and then given exactly its remembered registrations again gets back the
// stamp it had before it was emptied, so that what was learnt about its names still holds.
class CustomFunctions {
  public:
    static constexpr std::size_t kMaxEntries = 256;

    CustomFunctions() = default;
    CustomFunctions(const CustomFunctions& other) { *this = other; }
    CustomFunctions& operator=(const CustomFunctions& other);

    // false for an empty name or bad counts; a name registered again is replaced. `asGiven`
    // is the name before upper-casing, remembered for addAgain.
    bool add(std::string_view upperName, std::string_view asGiven, int minArgs, int maxArgs,
             FormulaCustomFunction cb, long flags);
    // add() for the name registered at this place of the order last time, when `asGiven` is
    // that name byte for byte and the counts are valid; false (nothing changed) otherwise.
    // Inline: a sheet that registers its functions after every load makes this call for
    // each of them.
    bool addAgain(std::string_view asGiven, int minArgs, int maxArgs, FormulaCustomFunction cb,
                  long flags) {
        if (next_ >= order_.size() || !cb || !validCounts(minArgs, maxArgs)) return false;
        Registered& place = order_[next_];
        if (place.asGiven != asGiven) return false;
        *place.entry = CustomFunctionEntry{minArgs, maxArgs, flags, cb};
        version_ = freshStamp();
        ++next_;
        registered();
        return true;
    }
    void clear();
    // Valid until the next change of the registry.
    const CustomFunctionEntry* find(std::string_view upperName) const;
    std::uint64_t nameSet() const { return nameSet_; }
    // A stamp of the registry, never shared with another registry: what find() gave stays
    // valid while it is the same (the entry itself shows any later registration of its name).
    // It changes with every change, except that registering the remembered order again after
    // clear() brings back the stamp the order had: the same names, each at its old entry.
    std::uint64_t version() const { return version_; }

  private:
    static std::uint64_t freshStamp() { return ++lastStamp_; }
    // After a registration: the stamp of the names now registered.
    void registered() {
        if (onlyOrder_ && next_ == order_.size())
            wholeOrderRegistered();
        else
            nameSet_ = freshStamp();
    }
    // The names are exactly the remembered order's: they take back the order's stamps.
    void wholeOrderRegistered();
    CustomFunctionEntry& put(std::string_view upperName, CustomFunctionEntry entry);
    static bool validCounts(int minArgs, int maxArgs) { return minArgs >= 0 && maxArgs >= minArgs; }

    // Looked up by a view of the name, without making a string of it.
    StringKeyMap<CustomFunctionEntry> entries_;
    // The registrations since the registry was emptied: the name as given and its entry (a
    // node of entries_, which stays where it is until entries_ itself is cleared).
    struct Registered {
        std::string asGiven;
        CustomFunctionEntry* entry = nullptr;
    };
    std::vector<Registered> order_;
    std::size_t next_ = 0;  // the place in order_ the next registration is compared with
    // True while every name registered came from order_[0, next_) (only registrations since
    // the registry was emptied), so that the names are exactly those of order_ once next_
    // reaches its end.
    bool onlyOrder_ = true;
    std::uint64_t nameSet_ = kNoNames;
    std::uint64_t version_ = freshStamp();
    std::uint64_t orderVersion_ = 0;  // the version the whole order last left; 0 for none
    std::uint64_t orderStamp_ = 0;    // the stamp of all of order_'s names; 0 before one is taken
    static constexpr std::uint64_t kNoNames = 1;        // the stamp of the empty set
    static inline std::uint64_t lastStamp_ = kNoNames;  // the last stamp given, of any registry
};

// Calls `entry` with the evaluated arguments. An argument count outside the entry's range,
// or an error value among the arguments, gives that error without calling; a callback that
// returns false, or a result with status other than 0, gives an empty value.
void callCustomFunction(const CustomFunctionEntry& entry, EvalHost& host, EvalValue* args, int argc,
                        EvalValue& out);
