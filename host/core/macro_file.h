#pragma once
// The macro file: a plain-text description of a macro and of its edit state (the tabs of its
// macro data). docs/macro-file.md gives the syntax; examples/macros/ holds commented examples.
//
// Reading is all or nothing: on any error the outputs are left exactly as they were and the
// error text names the line ("line 12: unknown module kind 'bolts'"). Writing produces the
// canonical form (comments are not kept) and replaces the file atomically; reading what was
// written gives an equal macro and macro data.
#include <string>
#include <vector>

#include "ktx_macro.h"
#include "ktx_string.h"
#include "ktx_string_array.h"
#include "macro_data.h"

// Parses macro file text (bytes, LF or CRLF line ends). On success macro and data are replaced.
bool parseMacroText(const std::string& text, Ktx_Macro& macro, MacroData& data, std::string& error);
// The canonical text of a macro and its data (CRLF line ends). False when a name or text holds
// a line break, which a line-based file cannot carry.
bool formatMacroText(const Ktx_Macro& macro, const MacroData& data, std::string& text);

// Reads a macro file (a path of this machine or a library path with backslashes).
bool readMacroFile(const Ktx_String& path, Ktx_Macro& macro, MacroData& data, Ktx_String& error);
// Writes a macro file atomically; false (old file kept) when it cannot be written.
bool writeMacroFile(const Ktx_String& path, const Ktx_Macro& macro, const MacroData& data);

// Splitting a line into words: blanks and tabs separate; "..." quotes a word (a doubled quote
// inside stands for one); an unquoted word starting with '#' begins a comment. False with a
// message for an unterminated quote.
bool splitMacroFileLine(const std::string& line, std::vector<std::string>& words,
                        std::string& error);
// A word as it must be written so that splitMacroFileLine gives it back.
std::string quoteMacroFileWord(const std::string& word);
