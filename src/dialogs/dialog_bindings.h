#pragma once
// Binding rows the small dialogs share: an edit field or a check box bound straight to a
// field of the dialog's model.
#include "ktx_string.h"
#include "vn_bound_dialog.h"

inline VnBinding stringField(int control, Ktx_String& field) {
    return VnBinding::textField(
        control, [&field] { return field.str(); },
        [&field](const std::string& text) { field = Ktx_String(text); });
}

inline VnBinding boolBox(int control, bool& field) {
    return VnBinding::checkBox(
        control, [&field] { return field; }, [&field](bool on) { field = on; });
}

// A control the table only enables or shows by a rule; its value is handled by the dialog.
inline VnBinding ruledControl(int control) {
    VnBinding b;
    b.control = control;
    return b;
}
