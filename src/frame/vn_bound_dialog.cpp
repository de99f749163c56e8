#include "vn_bound_dialog.h"

#include "dial_string.h"

VnBinding VnBinding::textField(int control, std::function<std::string()> get,
                               std::function<void(const std::string&)> set) {
    VnBinding b;
    b.control = control;
    b.text = std::move(get);
    b.setText = std::move(set);
    return b;
}

VnBinding VnBinding::checkBox(int control, std::function<bool()> get,
                              std::function<void(bool)> set) {
    VnBinding b;
    b.control = control;
    b.check = std::move(get);
    b.setCheck = std::move(set);
    return b;
}

VnBinding VnBinding::radio(int control, std::function<bool()> get, std::function<void()> choose) {
    return checkBox(control, std::move(get), [choose = std::move(choose)](bool on) {
        if (on) choose();
    });
}

VnBinding VnBinding::button(int control, std::function<void()> command) {
    VnBinding b;
    b.control = control;
    b.command = std::move(command);
    return b;
}

VnBinding VnBinding::label(int control, int key) {
    VnBinding b;
    b.control = control;
    b.textKey = key;
    return b;
}

VnBinding VnBinding::caption(int key) const {
    VnBinding b = *this;
    b.textKey = key;
    return b;
}

VnBinding VnBinding::enabledWhen(std::function<bool()> rule) const {
    VnBinding b = *this;
    b.enabled = std::move(rule);
    return b;
}

VnBinding VnBinding::visibleWhen(std::function<bool()> rule) const {
    VnBinding b = *this;
    b.visible = std::move(rule);
    return b;
}

VnBoundDialog::VnBoundDialog(UINT resourceId, CWnd* parent) : CDialog(resourceId, parent) {}

void VnBoundDialog::bind(std::vector<VnBinding> table) {
    table_ = std::move(table);
    for (const VnBinding& b : table_) connect(b);
}

void VnBoundDialog::connect(const VnBinding& b) {
    const int id = b.control;
    if (b.setText) {
        onCommand(id, EN_CHANGE, [this, set = b.setText, id] {
            if (refreshing_) return;
            std::string text;
            GetDlgItemText(id, text);
            set(text);
            afterChange();
        });
    } else if (b.setCheck) {
        onClicked(id, [this, set = b.setCheck, id] {
            set(IsDlgButtonChecked(id) == BST_CHECKED);
            afterChange();
        });
    } else if (b.command) {
        onClicked(id, [this, command = b.command] {
            command();
            afterChange();
        });
    }
}

BOOL VnBoundDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    for (const VnBinding& b : table_) {
        if (b.textKey != 0) SetDlgItemText(b.control, dialString(b.textKey).c_str());
    }
    refresh();
    return TRUE;
}

void VnBoundDialog::afterChange() {
    onModelChanged();
    refresh();
}

void VnBoundDialog::refresh() {
    if (GetSafeHwnd() == nullptr) return;
    refreshing_ = true;
    for (const VnBinding& b : table_) {
        CWnd* control = GetDlgItem(b.control);
        if (control == nullptr) continue;
        showValue(b);
        control->EnableWindow(!b.enabled || b.enabled() ? TRUE : FALSE);
        control->ShowWindow(!b.visible || b.visible() ? SW_SHOW : SW_HIDE);
    }
    refreshing_ = false;
}

// Writes only what differs, so an edit being typed in keeps its caret and selection.
void VnBoundDialog::showValue(const VnBinding& b) {
    if (b.text) {
        std::string shown;
        GetDlgItemText(b.control, shown);
        const std::string value = b.text();
        if (shown != value) SetDlgItemText(b.control, value.c_str());
    } else if (b.check) {
        CheckDlgButton(b.control, b.check() ? BST_CHECKED : BST_UNCHECKED);
    }
}
