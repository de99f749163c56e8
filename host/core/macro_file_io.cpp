// Reading and writing macro files on disk (the module's Windows paths or this machine's).
#include "macro_file.h"
#include "text_file.h"

bool readMacroFile(const Ktx_String& path, Ktx_Macro& macro, MacroData& data, Ktx_String& error) {
    std::string text;
    if (!coreReadFileBytes(path, text)) {
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
