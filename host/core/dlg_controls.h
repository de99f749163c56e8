#pragma once
// Small helpers the dialogs use on their controls, by dialog and control id. Each does
// nothing and returns false when the dialog or the control does not exist.
#include "cwnd.h"
#include "ktx_string.h"
#include "ktx_string_array.h"

// Empties the combo box (or list box) and adds the items in order; selects the item equal to
// `selected`, else the first item (none when there are no items).
bool FillCombo(CWnd* dialog, int id, const Ktx_StringArray& items,
               const Ktx_String& selected = Ktx_String());
bool ShowOrHideCtrl(CWnd* dialog, int id, bool show);
bool EnDisCtrl(CWnd* dialog, int id, bool enable);

// The sides of a control's rectangle for resizeCtrl.
enum VnCtrlSide : int { kSideTop = 0, kSideBottom = 1, kSideLeft = 2, kSideRight = 3 };
// Grows the control by `amount` pixels at one side (a negative amount shrinks it): the top
// and left sides move outwards, up and left, the bottom and right sides down and right. A
// side is never moved past its opposite one.
bool resizeCtrl(CWnd* dialog, int id, int side, int amount);

// Deletes a file by the module's (Windows) name; false when there was none or it stays.
bool deleteFile(const Ktx_String& path);
