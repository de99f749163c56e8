#include "vn_standards_dlg_nesting.h"

#include "vn_ss_functions_host.h"

namespace {

int gDepth = 0;
int gBoundHitAt = 0;          // the depth whose CallChild hit the bound; 0 when none
bool gReportPending = false;  // the cell that hit the bound has not shown its error yet

}  // namespace

VnStandardsNesting::Level::Level() {
    if (gDepth++ == 0) vnBeginLibraryFileFacts();
}

VnStandardsNesting::Level::~Level() {
    --gDepth;
    if (gDepth == 0) {
        vnEndLibraryFileFacts();
        gBoundHitAt = 0;
        gReportPending = false;
    }
}

int VnStandardsNesting::depth() {
    return gDepth;
}

bool VnStandardsNesting::mayNest() {
    if (gBoundHitAt != 0) return false;
    if (gDepth < kMaxStandardsNesting) return true;
    gBoundHitAt = gDepth;
    gReportPending = true;
    return false;
}

bool VnStandardsNesting::unwinding() {
    return gBoundHitAt != 0 && gBoundHitAt > gDepth;
}

bool VnStandardsNesting::showsErrors() {
    if (gBoundHitAt == 0) return true;
    const bool report = gReportPending;
    gReportPending = false;
    return report;
}
