#include "lookup_table_file.h"

#include "object_export_math.h"

namespace {

unsigned char foldCase(unsigned char c) {
    // Windows-1252: ASCII letters and the Latin-1 letters 0xC0-0xDE (except 0xD7, the
    // multiplication sign) have their lower-case form 0x20 above.
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
    return c;
}

bool equalNoCase(const std::string& x, const std::string& y) {
    if (x.size() != y.size()) return false;
    for (size_t i = 0; i < x.size(); ++i) {
        if (foldCase(static_cast<unsigned char>(x[i])) !=
            foldCase(static_cast<unsigned char>(y[i])))
            return false;
    }
    return true;
}

LookupRow splitAtTabs(const std::string& line) {
    LookupRow fields;
    size_t start = 0;
    for (;;) {
        const size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos) break;
        start = tab + 1;
    }
    return fields;
}

}  // namespace

std::vector<LookupRow> LookupTableFile::parse(const std::vector<std::string>& lines) {
    std::vector<LookupRow> rows;
    rows.reserve(lines.size());
    for (const std::string& raw : lines) {
        const std::string line = removeLineComment(raw);
        if (line.empty()) continue;
        rows.push_back(splitAtTabs(line));
    }
    return rows;
}

int LookupTableFile::findRow(const std::vector<LookupRow>& rows, const std::string& key) {
    for (size_t i = 0; i < rows.size(); ++i) {
        if (!rows[i].empty() && equalNoCase(rows[i][0], key)) return static_cast<int>(i);
    }
    return -1;
}
