#pragma once
// The engineering functions that standards spreadsheets call: ROUNDTO, GETCELL, GETPROFCELL,
// SECTIONSIZE, GETSYSNAME, STDWIDTHWITHTOLERANCE, STDTHICKNESSWITHTOLERANCE,
// STDSIZEWITHTOLERANCE, GETARRAYITEM, TONUMBER, ISNULL and ISPOSITIVE.
//
// Each callback first makes its result "no value" and returns true only when it produced a
// result; a callback that fails leaves the calling cell without a value. Only the tolerance
// functions show a message (invalid tolerances, when spreadsheet messages are on).
#include <vector>

#include "spread_value.h"
#include "win_types.h"

class VnSSFunctions {
  public:
    // One function of the table: its name as registered, its argument counts, its callback.
    struct Info {
        const char* name;
        int minArgs;
        int maxArgs;
        SpreadCustomFunction proc;
    };
    // The twelve functions in the order they are registered.
    static const std::vector<Info>& table();
    // The entry of that name (letter case folded); nullptr when it is none of the twelve.
    static const Info* find(const char* name);

    // Adds all twelve functions to the grid window with flags 0. The grid forgets custom
    // functions when a file is loaded, so this runs before every calculation. False when the
    // grid refused any of them.
    static bool registerAll(HWND grid);

    // The callbacks, as the grid calls them.
    static bool roundTo(SpreadValue* result, SpreadValue* args, short count);
    static bool getCell(SpreadValue* result, SpreadValue* args, short count);
    static bool getProfCell(SpreadValue* result, SpreadValue* args, short count);
    static bool sectionSize(SpreadValue* result, SpreadValue* args, short count);
    static bool getSysName(SpreadValue* result, SpreadValue* args, short count);
    static bool stdWidthWithTolerance(SpreadValue* result, SpreadValue* args, short count);
    static bool stdThicknessWithTolerance(SpreadValue* result, SpreadValue* args, short count);
    static bool stdSizeWithTolerance(SpreadValue* result, SpreadValue* args, short count);
    static bool getArrayItem(SpreadValue* result, SpreadValue* args, short count);
    static bool toNumber(SpreadValue* result, SpreadValue* args, short count);
    static bool isNull(SpreadValue* result, SpreadValue* args, short count);
    static bool isPositive(SpreadValue* result, SpreadValue* args, short count);
};
