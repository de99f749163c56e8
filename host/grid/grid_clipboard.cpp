#include "grid_clipboard.h"

#include "clipboard.h"

bool gridClipboardPut(HWND owner, const std::string& text) {
    return clipboardSetText(owner, text);
}

std::optional<std::string> gridClipboardGet(HWND) {
    return clipboardText();
}

std::vector<std::vector<std::string>> splitTabText(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        start = end + 1;
        std::vector<std::string> fields;
        std::size_t f = 0;
        while (true) {
            const std::size_t tab = line.find('\t', f);
            fields.push_back(
                line.substr(f, tab == std::string::npos ? std::string::npos : tab - f));
            if (tab == std::string::npos) break;
            f = tab + 1;
        }
        rows.push_back(std::move(fields));
    }
    return rows;
}

std::string joinTabText(const std::vector<std::vector<std::string>>& rows) {
    std::string out;
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) out += '\t';
            out += row[i];
        }
        out += "\r\n";
    }
    return out;
}
