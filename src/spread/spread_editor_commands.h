#pragma once
// The spreadsheet editor's commands: their fixed identifiers and menu texts, the menu bar
// ("File", "Edit", "Cell", "Tools") and the context menu of the five cell commands, and
// VnSpreadEditor, which runs the commands on one grid.
//
// Commands run here: New (an empty sheet), Open... (a sheet file as template: its font for
// all cells), Save / Save As... (the sheet with its settings file), Export... (CSV), Cut,
// Copy, Paste, Print Preview (dialog 180) and Font... (dialog 174, also from the context
// menu). The others (notes, borders, cell types, variables, options, language, printing and
// its setup) are not this module's: onCommand returns false for them.
#include "ktx_string.h"
#include "spread_forward.h"
#include "win_types.h"

namespace SpreadCommand {
enum : int {
    New = 32811,
    Open = 32812,
    Save = 32816,
    SaveAs = 32817,
    Export = 32818,
    Print = 32831,
    PrintPreview = 32832,
    PrintSetup = 32830,
    Cut = 32842,
    Copy = 32843,
    Paste = 32844,
    Note = 32806,
    Font = 32815,
    Borders = 32813,
    CellType = 32807,
    Options = 32845,
    ChangeLanguage = 32846,
    ContextNote = 32822,
    ContextVariable = 32823,
    ContextFont = 32824,
    ContextBorders = 32825,
    ContextCellType = 32826,
};
}  // namespace SpreadCommand

// The menu text of a command ("Export..."); nullptr for an unknown id.
const char* spreadCommandText(int commandId);
// The menu bar: "File", "Edit", "Cell" and "Tools" with their commands (the caller destroys
// it).
HMENU createSpreadEditorMenuBar();
// The context menu of the five cell commands (a popup; the caller destroys it).
HMENU createSpreadEditorContextMenu();

class VnSpreadEditor {
  public:
    explicit VnSpreadEditor(Ktx_Spread& ss, CWnd* owner = nullptr) : ss_(ss), owner_(owner) {}

    // Runs a command; false when it is not one this editor runs, or it was cancelled or
    // failed (a failure the user must know of is a message box).
    bool onCommand(int commandId);
    // The sheet's file name (module path), empty for a new sheet.
    const Ktx_String& fileName() const { return fileName_; }
    void setFileName(const Ktx_String& name) { fileName_ = name; }

  private:
    bool newSheet();
    bool open();
    bool save(bool askName);
    bool exportCsv();
    // The name chosen in a file chooser; empty when cancelled.
    Ktx_String chooseFile(bool open, const char* extension, const char* filter);
    void reportFailure(const Ktx_String& file);

    Ktx_Spread& ss_;
    CWnd* owner_;
    Ktx_String fileName_;
};
