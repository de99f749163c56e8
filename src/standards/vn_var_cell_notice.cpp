#include "vn_var_cell_notice.h"

#include "ktx_settings.h"
#include "win.h"

bool standardsMessagesEnabled() {
    return gSettings.ssErrorMessages;
}

void showStandardsMessage(const Ktx_String& text) {
    AfxMessageBox(text.c_str(), MB_ICONEXCLAMATION);
}
