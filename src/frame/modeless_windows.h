#pragma once
// The module-wide registries of the modeless windows the module owns: the array of modeless
// macro dialogs, addressed by number, and the single constraint-editing window (null while
// none is open). Unloading the module empties both.
//
// DestroyAllMacroDlgs(): destroys every registered macro dialog and empties the array; with
// none registered it does nothing.
// EndDlgEditConstraints(): with no constraint editor open it does nothing; otherwise it
// destroys the window, clears the pointer and posts a fresh command prompt.

// A modeless window of the module, as the registries see it.
class VnModelessWindow {
  public:
    virtual ~VnModelessWindow() = default;
    // Destroys the window; false when that failed.
    virtual bool destroyWindow() = 0;
};

int modelessMacroDlgCount();
bool isConstraintEditorOpen();

void DestroyAllMacroDlgs();
void EndDlgEditConstraints();

// Drops every registered window without destroying it (tests only).
void resetModelessWindowsForTests();
