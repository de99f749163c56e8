#include "icon_buttons.h"

#include "bitmap_resources.h"
#include "dial_string.h"
#include "win.h"

void setUpIconButtons(CWnd* dialog, CToolTipCtrl& tips, const VnIconButton* buttons, int count) {
    if (dialog == nullptr || dialog->GetSafeHwnd() == nullptr) return;
    if (tips.GetSafeHwnd() == nullptr) tips.Create(dialog);
    for (int i = 0; i < count; ++i) {
        CWnd* button = dialog->GetDlgItem(buttons[i].id);
        if (button == nullptr) continue;
        tips.AddTool(button, dialString(buttons[i].tipKey).c_str());
        if (HICON icon = resourceLoadIcon(buttons[i].icon)) {
            button->ModifyStyle(0, BS_ICON);
            button->SendMessage(BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
        }
    }
}
