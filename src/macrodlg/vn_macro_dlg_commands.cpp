// The macro dialog's commands that change which macros or values it shows: other macros,
// values from the standards, and macro properties read from or written to a file.
#include "core.h"
#include "dlg_open_save.h"
#include "vn_macro_dlg.h"

namespace {

constexpr int kTextNotApplied = 1507;
constexpr int kTextPropertiesNotFound = 1508;
constexpr int kTextModulesNotFound = 1509;
constexpr int kTextOthersApplied = 1510;
constexpr int kTextReadProps = 978;
constexpr int kTextWriteProps = 979;

// The lines of the box that lists what a property file held for items or tabs (modules)
// that this data does not have; a label is "tab: item".
Ktx_String notAppliedText(const MacroData& data, const Ktx_StringArray& notApplied) {
    Ktx_String properties;
    Ktx_String modules;
    for (int i = 0; i < notApplied.length(); ++i) {
        const std::string label = notApplied[i].c_str();
        const std::string tab = label.substr(0, label.find(':'));
        int index = -1;
        Ktx_String& list = data.findTab(Ktx_String(tab.c_str()), index) ? properties : modules;
        list += notApplied[i] + "\n";
    }
    Ktx_String text = dialString(kTextNotApplied) + "\n";
    if (!properties.isEmpty()) text += dialString(kTextPropertiesNotFound) + "\n" + properties;
    if (!modules.isEmpty()) text += dialString(kTextModulesNotFound) + "\n" + modules;
    return text + dialString(kTextOthersApplied);
}

}  // namespace

void VnMacroDlg::rebuild() {
    buildPages();
    fillFilters();
    enablePropButtons();
    resizeToPages();
}

void VnMacroDlg::selectOtherMacros() {
    acedPostCommand("CANCELCMD");
    ShowWindow(SW_HIDE);
    const bool changed = data_.SelectOtherMacros();
    ShowWindow(SW_SHOW);
    if (!changed) return;
    rebuild();
    clashResetInfo(number_);
}

void VnMacroDlg::loadFromStandards() {
    if (VnMacroPage* shown = currentPage()) shown->storeValues();
    data_.loadFromStandards();
    buildPages();
    clashcheck(data_);
}

Ktx_String VnMacroDlg::choosePropFile(bool open) {
    if (!data_.propListAllowed()) return Ktx_String();
    Ktx_String folder, extension, filter;
    Ktx_StringArray files;
    data_.getPropFiles(folder, extension, filter, files);
    const int title = open ? kTextReadProps : kTextWriteProps;
    return DlgOpenSave(open, extension, filter, dialString(title), folder, "", this);
}

void VnMacroDlg::readProperties() {
    const Ktx_String path = choosePropFile(true);
    if (path.isEmpty()) return;
    MacroData read = data_;
    Ktx_StringArray notApplied;
    Ktx_String error;
    if (!read.readFromFile(path, notApplied, &error)) {
        AfxMessageBox(error.c_str(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (notApplied.length() > 0)
        AfxMessageBox(notAppliedText(read, notApplied).c_str(), MB_OK | MB_ICONINFORMATION);
    data_ = read;
    data_.setAllToMacro();
    data_.refreshFromMacros();
    buildPages();
    clashcheck(data_);
}

void VnMacroDlg::writeProperties() {
    const Ktx_String path = choosePropFile(false);
    if (path.isEmpty()) return;
    if (!data_.writeToFile(path))
        AfxMessageBox((Ktx_String("Save failed: ") + path).c_str(), MB_OK | MB_ICONEXCLAMATION);
}
