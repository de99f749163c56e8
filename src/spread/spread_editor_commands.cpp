#include "spread_editor_commands.h"

#include <array>

#include "dial_string.h"
#include "grid.h"
#include "ktx_spread.h"
#include "spread_file_ops.h"
#include "spread_font_dlg.h"
#include "spread_preview_dlg.h"
#include "win.h"

namespace {

struct CommandText {
    int id;
    const char* text;
};

constexpr std::array<CommandText, 22> kCommands{{
    {SpreadCommand::New, "New"},
    {SpreadCommand::Open, "Open..."},
    {SpreadCommand::Save, "Save"},
    {SpreadCommand::SaveAs, "Save As..."},
    {SpreadCommand::Export, "Export..."},
    {SpreadCommand::Print, "Print"},
    {SpreadCommand::PrintPreview, "Print Preview"},
    {SpreadCommand::PrintSetup, "Print Setup"},
    {SpreadCommand::Cut, "Cut"},
    {SpreadCommand::Copy, "Copy"},
    {SpreadCommand::Paste, "Paste"},
    {SpreadCommand::Note, "Note..."},
    {SpreadCommand::Font, "Font..."},
    {SpreadCommand::Borders, "Borders..."},
    {SpreadCommand::CellType, "Cell Type..."},
    {SpreadCommand::Options, "SpreadSheet Options"},
    {SpreadCommand::ChangeLanguage, "Change Language"},
    {SpreadCommand::ContextNote, "Nota wijzigen"},
    {SpreadCommand::ContextVariable, "Variabele ..."},
    {SpreadCommand::ContextFont, "Lettertype en kleuren"},
    {SpreadCommand::ContextBorders, "Kaderlijnen ..."},
    {SpreadCommand::ContextCellType, "Celltype wijzigen ..."},
}};

// 0 in a menu list stands for a separator.
struct MenuGroup {
    const char* title;
    std::array<int, 9> items;
};

constexpr std::array<MenuGroup, 4> kMenuBar{{
    {"File",
     {SpreadCommand::New, SpreadCommand::Open, SpreadCommand::Save, SpreadCommand::SaveAs,
      SpreadCommand::Export, 0, SpreadCommand::Print, SpreadCommand::PrintPreview,
      SpreadCommand::PrintSetup}},
    {"Edit", {SpreadCommand::Cut, SpreadCommand::Copy, SpreadCommand::Paste}},
    {"Cell",
     {SpreadCommand::Note, SpreadCommand::Font, SpreadCommand::Borders, SpreadCommand::CellType}},
    {"Tools", {SpreadCommand::Options, SpreadCommand::ChangeLanguage}},
}};

constexpr int kTextNotWritten = 33101;
constexpr int kTextNotOpened = 33102;

void appendCommands(HMENU menu, const int* ids, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        if (ids[i] == 0 && i + 1 < count && ids[i + 1] != 0)
            AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
        else if (ids[i] != 0)
            AppendMenu(menu, MF_STRING, static_cast<UINT_PTR>(ids[i]), spreadCommandText(ids[i]));
    }
}

}  // namespace

const char* spreadCommandText(int commandId) {
    for (const CommandText& c : kCommands) {
        if (c.id == commandId) return c.text;
    }
    return nullptr;
}

HMENU createSpreadEditorMenuBar() {
    HMENU bar = CreateMenu();
    for (const MenuGroup& group : kMenuBar) {
        HMENU popup = CreatePopupMenu();
        appendCommands(popup, group.items.data(), group.items.size());
        AppendMenu(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), group.title);
    }
    return bar;
}

HMENU createSpreadEditorContextMenu() {
    HMENU menu = CreatePopupMenu();
    const int ids[] = {SpreadCommand::ContextNote, SpreadCommand::ContextVariable,
                       SpreadCommand::ContextFont, SpreadCommand::ContextBorders,
                       SpreadCommand::ContextCellType};
    appendCommands(menu, ids, std::size(ids));
    return menu;
}

bool VnSpreadEditor::onCommand(int commandId) {
    HWND h = ss_.gridWindow();
    if (!h) return false;
    switch (commandId) {
        case SpreadCommand::New:
            return newSheet();
        case SpreadCommand::Open:
            return open();
        case SpreadCommand::Save:
            return save(fileName_.isEmpty());
        case SpreadCommand::SaveAs:
            return save(true);
        case SpreadCommand::Export:
            return exportCsv();
        case SpreadCommand::Cut:
            return SSClipboardCut(h);
        case SpreadCommand::Copy:
            return SSClipboardCopy(h);
        case SpreadCommand::Paste:
            return SSClipboardPaste(h);
        case SpreadCommand::PrintPreview:
            return StartDlgSpreadPreview(ss_, owner_);
        case SpreadCommand::Font:
        case SpreadCommand::ContextFont:
            return StartDlgSpreadFont(ss_, owner_);
        default:
            return false;
    }
}

bool VnSpreadEditor::newSheet() {
    HWND h = ss_.gridWindow();
    SSSetMaxRows(h, 0);
    SSSetMaxCols(h, 0);
    SSSetCellTag(h, 0, 0, "");
    fileName_ = Ktx_String();
    return true;
}

bool VnSpreadEditor::open() {
    const Ktx_String file =
        chooseFile(true, "vns", "Spreadsheets (*.vns)|*.vns|All files (*.*)|*.*||");
    if (file.isEmpty()) return false;
    if (!spreadLoadTemplate(ss_, file)) {
        AfxMessageBox((dialString(kTextNotOpened) + " " + file).c_str(),
                      MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    fileName_ = file;
    return true;
}

bool VnSpreadEditor::save(bool askName) {
    const Ktx_String file =
        askName ? chooseFile(false, "vns", "Spreadsheets (*.vns)|*.vns|All files (*.*)|*.*||")
                : fileName_;
    if (file.isEmpty()) return false;
    if (!spreadSaveWithSettings(ss_, file)) {
        reportFailure(file);
        return false;
    }
    fileName_ = file;
    return true;
}

bool VnSpreadEditor::exportCsv() {
    const Ktx_String file =
        chooseFile(false, "csv", "CSV files (*.csv)|*.csv|All files (*.*)|*.*||");
    if (file.isEmpty()) return false;
    if (spreadExportCsv(ss_, file)) return true;
    reportFailure(file);
    return false;
}

Ktx_String VnSpreadEditor::chooseFile(bool open, const char* extension, const char* filter) {
    CFileDialog chooser(
        open, extension, nullptr,
        open ? OFN_FILEMUSTEXIST | OFN_HIDEREADONLY : OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
        filter, owner_);
    if (chooser.DoModal() != IDOK) return Ktx_String();
    return Ktx_String(chooser.GetPathName());
}

void VnSpreadEditor::reportFailure(const Ktx_String& file) {
    AfxMessageBox((dialString(kTextNotWritten) + " " + file).c_str(), MB_OK | MB_ICONEXCLAMATION);
}
