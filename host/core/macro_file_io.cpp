// Reading and writing macro files on disk (the module's Windows paths or this machine's).
#include "macro_file.h"
#include "path_translation.h"
#include "text_file.h"
#include "whole_file.h"

namespace {

// A path that means the same here as after translation: no backslash, no drive letter (only
// separators would be joined, which names the same file).
bool isPlainHostPath(const std::string& p) {
    const bool drive =
        p.size() >= 2 && p[1] == ':' && ((p[0] | 0x20) >= 'a' && (p[0] | 0x20) <= 'z');
    return !drive && p.find('\\') == std::string::npos;
}

// The file's bytes. A file that exists under its path as written is read at once; only when
// that fails is the path looked up ignoring letter case (hostPath), which then names the same
// file or none: a batch of macro files, each listed under its exact name, skips the look-up.
bool readMacroBytes(const Ktx_String& path, std::string& text) {
    const std::string& written = path.str();
    const std::string literal = isPlainHostPath(written) ? written : hostPathLiteral(path);
    return fileReadWhole(literal, text) || coreReadFileBytes(path, text);
}

}  // namespace

bool readMacroFile(const Ktx_String& path, Ktx_Macro& macro, MacroData& data, Ktx_String& error) {
    std::string text;
    if (!readMacroBytes(path, text)) {
        error = Ktx_String("cannot read ") + path;
        return false;
    }
    std::string message;
    if (parseMacroText(text, macro, data, message)) return true;
    error = path + ": " + Ktx_String(message);
    return false;
}

bool writeMacroFile(const Ktx_String& path, const Ktx_Macro& macro, const MacroData& data) {
    std::string text;
    return formatMacroText(macro, data, text) && coreWriteFileAtomic(path, text);
}
