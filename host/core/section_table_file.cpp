#include "section_table_file.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

Ktx_String baseNameWithoutExtension(const std::string& path) {
    size_t slash = path.find_last_of("/\\");
    std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    size_t dot = base.rfind('.');
    if (dot != std::string::npos && dot > 0) base.erase(dot);
    return Ktx_String(base);
}

Ktx_StringArray splitCells(const std::string& line) {
    Ktx_StringArray cells;
    size_t start = 0;
    for (;;) {
        size_t tab = line.find('\t', start);
        cells.append(Ktx_String(line.substr(start, tab - start)));
        if (tab == std::string::npos) break;
        start = tab + 1;
    }
    return cells;
}

}  // namespace

Ktx_Array<Ktx_StringArray> parseTableText(const std::string& text) {
    Ktx_Array<Ktx_StringArray> rows;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        rows.append(splitCells(line));
        start = end + 1;
    }
    return rows;
}

bool formatTableText(const Ktx_Array<Ktx_StringArray>& rows, std::string& text) {
    std::string out;
    for (int r = 0; r < rows.length(); ++r) {
        const Ktx_StringArray& row = rows[r];
        for (int c = 0; c < row.length(); ++c) {
            if (row[c].str().find_first_of("\t\r\n") != std::string::npos) return false;
            if (c > 0) out += '\t';
            out += row[c].str();
        }
        out += "\r\n";
    }
    text = std::move(out);
    return true;
}

bool readFile(const Ktx_String& path, Ktx_String& name, Ktx_Array<Ktx_StringArray>& rows) {
    std::ifstream in(path.c_str(), std::ios::binary);
    if (!in) return false;
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) return false;
    rows = parseTableText(text.str());
    name = baseNameWithoutExtension(path.str());
    return true;
}

bool writeFile(const Ktx_String& path, const Ktx_Array<Ktx_StringArray>& rows) {
    std::string text;
    if (!formatTableText(rows, text)) return false;
    const std::string temp = path.str() + ".tmp";
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
    if (std::rename(temp.c_str(), path.c_str()) == 0) return true;
    std::remove(temp.c_str());
    return false;
}
