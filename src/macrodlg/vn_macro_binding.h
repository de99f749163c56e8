#pragma once
// Binding a tab's designer template to the tab's data (the macro dialog's image page).
//
// Each template control names a macro item by its type and `contents` (a cell, a bolt
// pattern, a profile group, an array, a cut ...). Binding looks the item up in the tab, gives
// the control its text, items and read-only state, and writes the control's resource id into
// the item, so that the value transfer finds the control of every item. A control whose item
// the tab does not have is not bound; bindMacroTemplate removes such controls from the
// template before it is drawn, so they are neither shown nor in the tab order.
#include "ktx_dlg_designer_data.h"
#include "macro_data.h"

// The caption when the control is at least caption-length x 4 pixels wide (x 8 when the
// display setting is 4), otherwise "...".
Ktx_String fitCaptionToWidth(const Ktx_String& caption, double widthPixels);

// Binds one control (its resourceId already given) to the tab. False when the look-up fails;
// the tab is then unchanged.
bool bindMacroControl(Ktx_DesignerControl& control, MacroTabData& tab, double widthPixels);

// Binds every control of the template and removes the ones that cannot be bound. Returns the
// number of controls removed.
int bindMacroTemplate(Ktx_DlgDesignerData& designer, MacroTabData& tab);

// Types 13 to 17 (a profile group) and 18 to 24 (an array); buttonCaption is the caption
// of the profile group's button.
bool bindMacroProfileControl(Ktx_DesignerControl& control, MacroTabData& tab, double widthPixels,
                             const Ktx_String& buttonCaption);
bool bindMacroArrayControl(Ktx_DesignerControl& control, MacroTabData& tab, double widthPixels);

// The text of a variable name in the current language (at most 120 characters).
Ktx_String macroVariableText(const Ktx_String& name);

// The mixed-value text (several macros hold different values).
Ktx_String macroMixedValueText();
