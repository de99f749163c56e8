#include <algorithm>
#include <array>
#include <cstdint>

#include "formula_fn.h"

namespace {

using namespace formula_fn;

constexpr int kMany = 255;

// Sorted by name for binary search.
constexpr std::array kBuiltins = {
    BuiltinInfo{"ABS", 1, 1, abs_},
    BuiltinInfo{"ACOS", 1, 1, acos_},
    BuiltinInfo{"AND", 1, kMany, and_},
    BuiltinInfo{"ASIN", 1, 1, asin_},
    BuiltinInfo{"ATAN", 1, 1, atan_},
    BuiltinInfo{"ATAN2", 2, 2, atan2_},
    BuiltinInfo{"AVERAGE", 1, kMany, average},
    BuiltinInfo{"CEILING", 2, 2, ceiling},
    BuiltinInfo{"CHOOSE", 2, kMany, choose},
    BuiltinInfo{"CONCATENATE", 1, kMany, concatenate},
    BuiltinInfo{"COS", 1, 1, cos_},
    BuiltinInfo{"COUNT", 1, kMany, count},
    BuiltinInfo{"COUNTA", 1, kMany, counta},
    BuiltinInfo{"DEGREES", 1, 1, degrees},
    BuiltinInfo{"EVEN", 1, 1, even},
    BuiltinInfo{"EXP", 1, 1, exp_},
    BuiltinInfo{"FIND", 2, 3, find},
    BuiltinInfo{"FLOOR", 2, 2, floor_},
    BuiltinInfo{"HLOOKUP", 3, 4, hlookup},
    BuiltinInfo{"IF", 2, 3, if_},
    BuiltinInfo{"IFERROR", 2, 2, iferror},
    BuiltinInfo{"INDEX", 2, 3, index},
    BuiltinInfo{"INT", 1, 1, int_},
    BuiltinInfo{"ISBLANK", 1, 1, isblank},
    BuiltinInfo{"ISERROR", 1, 1, iserror},
    BuiltinInfo{"ISNUMBER", 1, 1, isnumber},
    BuiltinInfo{"ISTEXT", 1, 1, istext},
    BuiltinInfo{"LEFT", 1, 2, left},
    BuiltinInfo{"LEN", 1, 1, len},
    BuiltinInfo{"LN", 1, 1, ln},
    BuiltinInfo{"LOG", 1, 2, log_},
    BuiltinInfo{"LOG10", 1, 1, log10_},
    BuiltinInfo{"LOWER", 1, 1, lower},
    BuiltinInfo{"MATCH", 2, 3, match},
    BuiltinInfo{"MAX", 1, kMany, max_},
    BuiltinInfo{"MID", 3, 3, mid},
    BuiltinInfo{"MIN", 1, kMany, min_},
    BuiltinInfo{"MOD", 2, 2, mod},
    BuiltinInfo{"NA", 0, 0, na},
    BuiltinInfo{"NOT", 1, 1, not_},
    BuiltinInfo{"ODD", 1, 1, odd},
    BuiltinInfo{"OR", 1, kMany, or_},
    BuiltinInfo{"PI", 0, 0, pi},
    BuiltinInfo{"POWER", 2, 2, power},
    BuiltinInfo{"PRODUCT", 1, kMany, product},
    BuiltinInfo{"RADIANS", 1, 1, radians},
    BuiltinInfo{"REPT", 2, 2, rept},
    BuiltinInfo{"RIGHT", 1, 2, right},
    BuiltinInfo{"ROUND", 2, 2, round_},
    BuiltinInfo{"ROUNDDOWN", 2, 2, rounddown},
    BuiltinInfo{"ROUNDUP", 2, 2, roundup},
    BuiltinInfo{"SEARCH", 2, 3, search},
    BuiltinInfo{"SIGN", 1, 1, sign},
    BuiltinInfo{"SIN", 1, 1, sin_},
    BuiltinInfo{"SQRT", 1, 1, sqrt_},
    BuiltinInfo{"SUBSTITUTE", 3, 4, substitute},
    BuiltinInfo{"SUM", 1, kMany, sum},
    BuiltinInfo{"TAN", 1, 1, tan_},
    BuiltinInfo{"TEXT", 2, 2, text},
    BuiltinInfo{"TRIM", 1, 1, trim},
    BuiltinInfo{"TRUNC", 1, 2, trunc_},
    BuiltinInfo{"UPPER", 1, 1, upper},
    BuiltinInfo{"VALUE", 1, 1, value},
    BuiltinInfo{"VLOOKUP", 3, 4, vlookup},
};

}  // namespace

namespace {

// For each first letter A..Z, the first entry of the table at or after it: the names of one
// letter are kBuiltins[first[l], first[l + 1]).
constexpr std::array<std::uint8_t, 27> kFirstOfLetter = [] {
    std::array<std::uint8_t, 27> first{};
    for (std::size_t l = 0; l <= 26; ++l) {
        std::size_t i = 0;
        while (i < kBuiltins.size() && static_cast<std::size_t>(kBuiltins[i].name[0] - 'A') < l)
            ++i;
        first[l] = static_cast<std::uint8_t>(i);
    }
    return first;
}();

}  // namespace

int findBuiltin(std::string_view upperName) {
    if (upperName.empty() || upperName[0] < 'A' || upperName[0] > 'Z') return -1;
    const std::size_t letter = static_cast<std::size_t>(upperName[0] - 'A');
    for (std::size_t i = kFirstOfLetter[letter]; i < kFirstOfLetter[letter + 1]; ++i)
        if (kBuiltins[i].name == upperName) return static_cast<int>(i);
    return -1;
}

int builtinCount() {
    return static_cast<int>(kBuiltins.size());
}

const BuiltinInfo& builtinAt(int index) {
    return kBuiltins[static_cast<std::size_t>(index)];
}

static_assert(std::is_sorted(kBuiltins.begin(), kBuiltins.end(),
                             [](const BuiltinInfo& a, const BuiltinInfo& b) {
                                 return a.name < b.name;
                             }),
              "the built-in table must stay sorted by name");
static_assert(std::all_of(kBuiltins.begin(), kBuiltins.end(),
                          [](const BuiltinInfo& b) {
                              return !b.name.empty() && b.name[0] >= 'A' && b.name[0] <= 'Z';
                          }),
              "findBuiltin looks names up by their first letter, A to Z");
