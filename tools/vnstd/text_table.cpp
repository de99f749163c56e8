#include "text_table.h"

#include <algorithm>

void printTextTable(std::FILE* out, const std::vector<TextTableRow>& rows) {
    std::vector<size_t> widths;
    for (const TextTableRow& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], row[c].size());
    }
    for (const TextTableRow& row : rows) {
        std::string line;
        for (size_t c = 0; c < row.size(); ++c) {
            line += row[c];
            if (c + 1 < row.size()) line += std::string(widths[c] - row[c].size() + 2, ' ');
        }
        std::fprintf(out, "%s\n", line.c_str());
    }
}
