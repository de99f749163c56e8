#include "vn_var_cell_notice.h"

#include "acad.h"

bool standardsMessagesEnabled() {
    return false;
}

void showStandardsMessage(const Ktx_String& text) {
    acutPrintf("%s\n", text.c_str());
}
