#include "dlg_size.h"

#include <algorithm>
#include <string>

#include "registry.h"
#include "window_api.h"
#include "window_geometry.h"

namespace {

const std::string kDialogsKey = "Software\\Varnox\\Core\\Dialogs\\";

std::optional<DWORD> readNumber(const Ktx_String& section, const char* value) {
    HKEY key = nullptr;
    const std::string path = kDialogsKey + section.c_str();
    if (RegOpenKeyEx(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return std::nullopt;
    DWORD number = 0, type = 0, size = sizeof number;
    const LONG code =
        RegQueryValueEx(key, value, nullptr, &type, reinterpret_cast<BYTE*>(&number), &size);
    RegCloseKey(key);
    if (code != ERROR_SUCCESS || type != REG_DWORD || size != sizeof number) return std::nullopt;
    return number;
}

bool writeNumbers(const Ktx_String& section, const char* const names[], const DWORD values[],
                  int count) {
    HKEY key = nullptr;
    const std::string path = kDialogsKey + section.c_str();
    if (RegCreateKeyEx(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                       KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    bool ok = true;
    for (int i = 0; i < count; ++i)
        ok = RegSetValueEx(key, names[i], 0, REG_DWORD, reinterpret_cast<const BYTE*>(&values[i]),
                           sizeof(DWORD)) == ERROR_SUCCESS &&
             ok;
    RegCloseKey(key);
    return ok;
}

bool usable(DWORD size) {
    return size >= kDlgSizeMin && size <= kDlgSizeMax;
}

}  // namespace

std::optional<CSize> dlgSizeRead(const Ktx_String& name) {
    const std::optional<DWORD> width = readNumber(name, "Width");
    const std::optional<DWORD> height = readNumber(name, "Height");
    if (!width || !height || !usable(*width) || !usable(*height)) return std::nullopt;
    return CSize(static_cast<int>(*width), static_cast<int>(*height));
}

bool dlgSizeWrite(const Ktx_String& name, CSize size) {
    if (size.cx < 0 || size.cy < 0) return false;
    static const char* const names[] = {"Width", "Height"};
    const DWORD values[] = {static_cast<DWORD>(size.cx), static_cast<DWORD>(size.cy)};
    return writeNumbers(name, names, values, 2);
}

bool getDlgSize(HWND dialog, CSize& size) {
    RECT r;
    if (dialog == nullptr || !IsWindow(dialog) || !GetWindowRect(dialog, &r)) return false;
    size = CSize(r.right - r.left, r.bottom - r.top);
    return true;
}

bool getSafeDlgSize(HWND dialog, CSize& size) {
    CSize found;
    if (!getDlgSize(dialog, found)) return false;
    size = CSize(std::max<int>(found.cx, 50), std::max<int>(found.cy, 50));
    return true;
}

bool ChangeDlgSize(HWND dialog, const Ktx_String& name) {
    if (dialog == nullptr || !IsWindow(dialog)) return false;
    const std::optional<CSize> stored = dlgSizeRead(name);
    if (!stored) return false;
    return SetWindowPos(dialog, nullptr, 0, 0, stored->cx, stored->cy,
                        SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE) != FALSE;
}

bool WriteDlgSize(HWND dialog, const Ktx_String& name) {
    CSize size;
    return getDlgSize(dialog, size) && dlgSizeWrite(name, size);
}

bool readDlgRegBool(const Ktx_String& section, const Ktx_String& value, bool& result) {
    const std::optional<DWORD> number = readNumber(section, value.c_str());
    if (!number) return false;
    result = *number != 0;
    return true;
}

bool writeDlgRegBool(const Ktx_String& section, const Ktx_String& value, bool on) {
    const char* const names[] = {value.c_str()};
    const DWORD values[] = {on ? 1u : 0u};
    return writeNumbers(section, names, values, 1);
}
