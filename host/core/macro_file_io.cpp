// Reading and writing macro files on disk.
#include <cstdio>
#include <fstream>
#include <sstream>

#include "macro_file.h"

bool readMacroFile(const Ktx_String& path, Ktx_Macro& macro, MacroData& data, Ktx_String& error) {
    std::ifstream in(path.c_str(), std::ios::binary);
    if (!in) {
        error = Ktx_String("cannot read ") + path;
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    std::string message;
    if (parseMacroText(text.str(), macro, data, message)) return true;
    error = path + ": " + Ktx_String(message);
    return false;
}

bool writeMacroFile(const Ktx_String& path, const Ktx_Macro& macro, const MacroData& data) {
    std::string text;
    if (!formatMacroText(macro, data, text)) return false;
    const std::string target = path.c_str();
    const std::string temp = target + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out << text;
        out.flush();
        if (!out) {
            std::remove(temp.c_str());
            return false;
        }
    }
    if (std::rename(temp.c_str(), target.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}
