#pragma once
// The small icon buttons of the module's dialogs: a tooltip (a dialString key) and, when the
// module has the icon resource, the icon in place of the template's short text.
#include "ctool_tip_ctrl.h"
#include "cwnd.h"

struct VnIconButton {
    int id;
    unsigned icon;
    int tipKey;
};

// Creates `tips` on the dialog when it has no window yet.
void setUpIconButtons(CWnd* dialog, CToolTipCtrl& tips, const VnIconButton* buttons, int count);
template <int N>
void setUpIconButtons(CWnd* dialog, CToolTipCtrl& tips, const VnIconButton (&buttons)[N]) {
    setUpIconButtons(dialog, tips, buttons, N);
}
