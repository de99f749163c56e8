#include "section_table_file.h"

#include "file_ops.h"
#include "text_file.h"
#include "text_lines.h"

namespace {

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
    for (std::string_view line : textLines(textWithoutUtf8Mark(text)))
        rows.append(splitCells(std::string(line)));
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
    // A text starting with a UTF-8 byte-order mark loses it on reading: such a first cell
    // cannot be written so that it reads back the same.
    if (out.rfind("\xEF\xBB\xBF", 0) == 0) return false;
    text = std::move(out);
    return true;
}

bool readFile(const Ktx_String& path, Ktx_String& name, Ktx_Array<Ktx_StringArray>& rows) {
    std::string text;
    if (!coreReadFileBytes(path, text)) return false;
    rows = parseTableText(text);
    name = removeExtension(getFileName(path));
    return true;
}

bool writeFile(const Ktx_String& path, const Ktx_Array<Ktx_StringArray>& rows) {
    std::string text;
    return formatTableText(rows, text) && coreWriteFileAtomic(path, text);
}
