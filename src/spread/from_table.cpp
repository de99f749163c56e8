#include "from_table.h"

#include "acad.h"
#include "current_spread.h"
#include "from_table_lookup.h"
#include "grid.h"
#include "ktx_spread.h"
#include "ktx_spread_dlg.h"
#include "spread_value.h"

namespace {

// Look-ups nest when a looked-up file uses FROMTABLE itself; a file that (directly or
// through others) looks itself up would nest without end, so the depth is bounded.
constexpr int kMaxNesting = 16;
int gNesting = 0;

class NestingLevel {
  public:
    NestingLevel() { ++gNesting; }
    ~NestingLevel() { --gNesting; }
    NestingLevel(const NestingLevel&) = delete;
    NestingLevel& operator=(const NestingLevel&) = delete;
};

}  // namespace

bool registerFromTable(Ktx_Spread& ss) {
    if (!ss.isCreated()) return false;
    return SSAddCustomFunctionExt(ss.gridWindow(), "FROMTABLE", 2, 4, fromTableCallback, 1);
}

bool fromTableCallback(SpreadValue* result, SpreadValue* args, short count) {
    if (!result) return true;
    result->status = SPREAD_STATUS_NOVALUE;
    Ktx_Spread* caller = currentSpread();
    CurrentSpreadScope restore(caller);
    if (gNesting >= kMaxNesting) return true;
    NestingLevel level;
    Ktx_SpreadDlg dlg(Ktx_SpreadDlg::ModeFromTable);
    dlg.setFromTableCall(FromTableCall{result, args, count, caller});
    dlg.DoModal();
    return true;
}
