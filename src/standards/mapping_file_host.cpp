#include "mapping_file_host.h"

#include <cstdio>
#include <fstream>
#include <sstream>

Ktx_String mappingLibraryFolder() {
    return Ktx_String();
}

Ktx_String changeMappingExtension(const Ktx_String& path) {
    int dot = path.findLastFrom(".");
    int slash = std::max(path.findLastFrom("\\"), path.findLastFrom("/"));
    if (dot < 0 || dot < slash) return path + ".map";
    return path.getSubStringAt(0, dot) + ".map";
}

bool readTextLines(const Ktx_String& path, Ktx_StringArray& lines) {
    std::ifstream in(path.c_str(), std::ios::binary);
    if (!in) return false;
    std::stringstream text;
    text << in.rdbuf();
    lines.removeAll();
    std::string line;
    while (std::getline(text, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.append(Ktx_String(line));
    }
    return true;
}

bool writeTextLines(const Ktx_String& path, const Ktx_StringArray& lines) {
    std::string tmp = path.str() + ".tmp";
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        for (int i = 0; i < lines.length(); ++i) out << lines[i].str() << "\r\n";
        if (!out) return false;
    }
    return std::rename(tmp.c_str(), path.c_str()) == 0;
}
