#pragma once
// The macro file: a plain-text description of a macro and of its edit state (the tabs of its
// macro data). docs/macro-file.md gives the syntax; examples/macros/ holds commented examples.
//
// Reading is all or nothing: on any error the outputs are left exactly as they were and the
// error text names the line ("line 12: unknown module kind 'bolts'"). Writing produces the
// canonical form (comments are not kept) and replaces the file atomically; reading what was
// written gives an equal macro and macro data. Updating an existing file (updateMacroText) keeps
// its comments and layout.
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

// The text of a macro file changed to hold the given macro and data while keeping its comments,
// blank lines, indentation and the way each unchanged word is written: when every statement
// of the original text lines up with the canonical form of what it describes, only the words
// whose values changed are replaced (a statement whose number of words changes is replaced
// whole, its comment kept). Otherwise (a file that does not parse, or statements the
// canonical form writes otherwise, in another order or not at all) the canonical text. False
// only when the macro cannot be written as text (see formatMacroText).
bool updateMacroText(const std::string& original, const Ktx_Macro& macro, const MacroData& data,
                     std::string& text);
// Rewrites a macro file with updateMacroText, atomically, and only when its text changes
// (written tells which). False (old file kept) when it cannot be read or written.
bool updateMacroFile(const Ktx_String& path, const Ktx_Macro& macro, const MacroData& data,
                     bool& written);

// Splitting a line into words: blanks and tabs separate; "..." quotes a word (a doubled quote
// inside stands for one); an unquoted word starting with '#' begins a comment. False with a
// message for an unterminated quote.
bool splitMacroFileLine(const std::string& line, std::vector<std::string>& words,
                        std::string& error);
// The same with where each word stands in the line: [begin, end) covers the word as written
// (its quotes included).
struct MacroFileWordSpan {
    size_t begin = 0;
    size_t end = 0;
    std::string word;
};
bool splitMacroFileLineSpans(const std::string& line, std::vector<MacroFileWordSpan>& spans,
                             std::string& error);
// A word as it must be written so that splitMacroFileLine gives it back.
std::string quoteMacroFileWord(const std::string& word);
