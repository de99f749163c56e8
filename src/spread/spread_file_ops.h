#pragma once
// The spreadsheet editor's file operations on a grid: saving a sheet with its editor data,
// loading a template, exporting CSV, and the settings file beside each saved sheet. File
// names are the module's (Windows) names.
//
// The settings file of a sheet is its companion file (spreadCompanionFileName): the editor
// data in its stored form. Written with its variables first; when that cannot be done (a
// variable holds the separator byte, or the write fails), once more without them, so the
// print settings are kept whatever the variables hold.
#include "ktx_string.h"
#include "spread_forward.h"

class SpreadSettings;

// Saves the grid as a sheet file. False only when the grid refuses the save; then sets the
// changed mark (option 30), writes the settings file and puts the editor data back into
// the grid, and returns true (a settings file that cannot be written is reported on the
// command line: "Settings not saved\n").
bool spreadSaveWithSettings(Ktx_Spread& ss, const Ktx_String& fileName);
// Loads a sheet file as a template: its editor data's default font and text height become
// the grid's font, applied to all cells. False (grid unchanged) when the file does not load.
bool spreadLoadTemplate(Ktx_Spread& ss, const Ktx_String& fileName);
// Writes the grid as CSV, the column headers as the first line and each cell's value text as
// the grid shows it (a formula's result, numbers with their cell's decimals); false when the grid
// has no window or the file cannot be written.
bool spreadExportCsv(Ktx_Spread& ss, const Ktx_String& fileName);
// The settings-file writer: the stored form of `settings` (without the variables unless
// withVariables) into the companion file of `spreadName`. False when the text cannot be
// stored, there is no companion name or the file cannot be written.
bool writeSpreadSettingsFile(const SpreadSettings& settings, const Ktx_String& spreadName,
                             bool withVariables);
