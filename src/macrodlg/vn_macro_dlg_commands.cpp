// The macro dialog's commands that change which macros or values it shows: other macros,
// values from the standards, and macro properties read from or written to a file.
#include "core.h"
#include "vn_macro_dlg.h"

void VnMacroDlg::rebuild() {
    buildPages();
    fillFilters();
    enablePropButtons();
    resizeToPages();
}

void VnMacroDlg::selectOtherMacros() {}

void VnMacroDlg::loadFromStandards() {}

void VnMacroDlg::readProperties() {}

void VnMacroDlg::writeProperties() {}
