#include "window_class.h"

#include <cctype>
#include <map>

namespace {

std::string folded(const std::string& s) {
    std::string out = s;
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

std::map<std::string, WinClassInfo>& classes() {
    static std::map<std::string, WinClassInfo> table = [] {
        std::map<std::string, WinClassInfo> t;
        auto add = [&t](const char* name, WNDPROC proc) { t[folded(name)] = {name, proc}; };
        add(WC_BUTTON, winButtonProc);
        add(WC_EDIT, winEditProc);
        add(WC_STATIC, winStaticProc);
        add(WC_COMBOBOX, winComboBoxProc);
        add(WC_LISTBOX, winListBoxProc);
        add(WC_TABCONTROL, winTabControlProc);
        add(WC_LISTVIEW, winListViewProc);
        add(WC_DIALOG, winDialogProc);
        add(TOOLTIPS_CLASS, winToolTipProc);
        add("CadHostFrame", winFrameProc);
        return t;
    }();
    return table;
}

}  // namespace

bool winSameClassName(const std::string& a, const std::string& b) {
    return folded(a) == folded(b);
}

const WinClassInfo* winFindClass(const std::string& name) {
    auto it = classes().find(folded(name));
    return it == classes().end() ? nullptr : &it->second;
}

ATOM RegisterClass(const WNDCLASS* wc) {
    if (wc == nullptr || wc->lpszClassName == nullptr || wc->lpfnWndProc == nullptr) return 0;
    std::string key = folded(wc->lpszClassName);
    if (key.empty() || classes().count(key) != 0) return 0;
    classes()[key] = {wc->lpszClassName, wc->lpfnWndProc};
    return static_cast<ATOM>(0xC000 + classes().size());
}

BOOL UnregisterClass(LPCSTR className, HINSTANCE /*instance*/) {
    if (className == nullptr) return FALSE;
    return classes().erase(folded(className)) == 1 ? TRUE : FALSE;
}

BOOL GetClassInfo(HINSTANCE /*instance*/, LPCSTR className, WNDCLASS* wc) {
    const WinClassInfo* info = className ? winFindClass(className) : nullptr;
    if (info == nullptr || wc == nullptr) return FALSE;
    *wc = WNDCLASS{};
    wc->lpfnWndProc = info->proc;
    wc->lpszClassName = info->name.c_str();
    return TRUE;
}
