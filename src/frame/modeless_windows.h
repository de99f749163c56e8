#pragma once
// The module-wide registries of the modeless windows the module owns: the array of modeless
// macro dialogs addressed by number (the slot index; an empty slot holds nothing), and the
// single constraint-editing window (none while closed). The registries own the dialog
// objects; a registered dialog must not delete itself when its window goes.
//
// DestroyAllMacroDlgs(): ends every registered macro dialog, from the highest number down to
// 0, through the ender the macro dialogs install (their EndDlgMacroModeless); without one,
// each window is destroyed and its slot emptied.
// EndDlgEditConstraints(): with no constraint editor open it does nothing; otherwise it
// destroys the window (printing "Erase window failed\n" when that fails), deletes the object,
// clears the pointer and posts a fresh command prompt.
#include <functional>
#include <memory>

#include "cdialog.h"

// Macro dialogs.
int macroDlgSlotCount();
// The dialog in slot `number`; nullptr for an empty slot or a number outside the registry.
CDialog* macroDlgAt(int number);
// The number for a new dialog: the highest empty slot, else a new slot at the end.
int reserveMacroDlgSlot();
// Stores `dialog` in slot `number` (growing the registry when needed); false for a negative
// number or an occupied slot (the dialog is then not taken).
bool setMacroDlgAt(int number, std::unique_ptr<CDialog>& dialog);
// Empties the slot and hands its dialog over (nullptr when it was empty).
std::unique_ptr<CDialog> takeMacroDlgAt(int number);
// Drops the last slot when it is empty (the registry shrinks from its end).
void dropLastMacroDlgSlot();
// Number of registered dialogs.
int modelessMacroDlgCount();
void setMacroDlgEnder(std::function<bool(int number)> ender);
void DestroyAllMacroDlgs();

// The constraint editor.
CDialog* constraintEditor();
bool isConstraintEditorOpen();
// Registers the open editor; false (and nothing taken) while one is registered.
bool setConstraintEditor(std::unique_ptr<CDialog>& editor);
void EndDlgEditConstraints();

// Destroys every registered window and empties both registries (tests).
void resetModelessWindowsForTests();
