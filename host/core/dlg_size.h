// Dialog sizes and dialog settings kept in the registry, per dialog name ("DLG_EDIT_MACRO").
//
// A dialog's size is stored under HKEY_CURRENT_USER "Software\Varnox\Core\Dialogs\<name>" as
// the DWORD values "Width" and "Height" (window size in pixels, frame included); a dialog's
// yes/no settings sit beside them as DWORD values 0 or 1 under the section's name.
//
// getDlgSize gives a dialog's present window size (its designed size when called during
// initialisation, before ChangeDlgSize), which the dialogs keep as their minimum size;
// ChangeDlgSize resizes the dialog to the size stored under a name, keeping its position;
// WriteDlgSize stores the present size. Each returns false and changes nothing when the
// window is missing, nothing usable is stored, or the registry refuses.
#pragma once

#include <optional>

#include "csize.h"
#include "cwnd.h"
#include "ktx_string.h"

// Stored sizes outside this range are treated as damaged and not used.
constexpr int kDlgSizeMin = 20;
constexpr int kDlgSizeMax = 16384;

bool getDlgSize(HWND dialog, CSize& size);
// As getDlgSize, but never smaller than 50 x 50 (a usable minimum size).
bool getSafeDlgSize(HWND dialog, CSize& size);
bool ChangeDlgSize(HWND dialog, const Ktx_String& name);
bool WriteDlgSize(HWND dialog, const Ktx_String& name);
inline bool getDlgSize(const CWnd* dialog, CSize& size) {
    return getDlgSize(dialog == nullptr ? nullptr : dialog->GetSafeHwnd(), size);
}
inline bool getSafeDlgSize(const CWnd* dialog, CSize& size) {
    return getSafeDlgSize(dialog == nullptr ? nullptr : dialog->GetSafeHwnd(), size);
}
inline bool ChangeDlgSize(const CWnd* dialog, const Ktx_String& name) {
    return ChangeDlgSize(dialog == nullptr ? nullptr : dialog->GetSafeHwnd(), name);
}
inline bool WriteDlgSize(const CWnd* dialog, const Ktx_String& name) {
    return WriteDlgSize(dialog == nullptr ? nullptr : dialog->GetSafeHwnd(), name);
}

// The size stored under `name`; nullopt when none or unusable.
std::optional<CSize> dlgSizeRead(const Ktx_String& name);
bool dlgSizeWrite(const Ktx_String& name, CSize size);

// A yes/no setting of a dialog: false (value unchanged) when it is not stored.
bool readDlgRegBool(const Ktx_String& section, const Ktx_String& value, bool& result);
bool writeDlgRegBool(const Ktx_String& section, const Ktx_String& value, bool on);
