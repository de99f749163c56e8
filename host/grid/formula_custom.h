// The custom functions of one sheet and the calling convention that joins them to the
// evaluator: arguments become SpreadValue records (strings in global memory blocks), the
// result record becomes a value, and every block is freed exactly once.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

#include "formula_engine.h"
#include "formula_eval.h"

struct CustomFunctionEntry {
    int minArgs = 0;
    int maxArgs = 0;
    long flags = 0;
    FormulaCustomFunction callback;
};

// The functions by name. A function let go (by clear() or a copy without it) leaves its entry
// behind without a callback, so that a sheet that registers the same functions after every
// load allocates nothing for them; at most kMaxEntries such names are kept.
class CustomFunctions {
  public:
    static constexpr std::size_t kMaxEntries = 256;

    CustomFunctions() = default;
    CustomFunctions(const CustomFunctions& other) { *this = other; }
    CustomFunctions& operator=(const CustomFunctions& other);

    // false for an empty name or bad counts; a name registered again is replaced.
    bool add(std::string_view upperName, int minArgs, int maxArgs, FormulaCustomFunction cb,
             long flags);
    void clear();
    // Valid until the next change of the registry.
    const CustomFunctionEntry* find(std::string_view upperName) const;

  private:
    void put(std::string_view upperName, CustomFunctionEntry entry);

    // Looked up by a view of the name, without making a string of it.
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const {
            return std::hash<std::string_view>()(name);
        }
    };
    std::unordered_map<std::string, CustomFunctionEntry, NameHash, std::equal_to<>> entries_;
};

// Calls `entry` with the evaluated arguments. An argument count outside the entry's range,
// or an error value among the arguments, gives that error without calling; a callback that
// returns false, or a result with status other than 0, gives an empty value.
void callCustomFunction(const CustomFunctionEntry& entry, EvalHost& host, EvalValue* args, int argc,
                        EvalValue& out);
