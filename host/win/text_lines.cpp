#include "text_lines.h"

std::vector<std::string_view> textLines(std::string_view text) {
    std::vector<std::string_view> lines;
    const char* const data = text.data();
    const std::size_t size = text.size();
    std::size_t start = 0;
    while (start < size) {
        // A plain loop: find_first_of with a set of two calls a search per byte.
        std::size_t end = start;
        while (end < size && data[end] != '\n' && data[end] != '\r') ++end;
        lines.push_back(text.substr(start, end - start));
        start = end + ((end + 1 < size && data[end] == '\r' && data[end + 1] == '\n') ? 2 : 1);
    }
    return lines;
}

std::string_view textWithoutUtf8Mark(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    return text;
}
