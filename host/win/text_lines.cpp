#include "text_lines.h"

#include <algorithm>
#include <cstring>

namespace {

// Where the byte c next stands at or after from (size when nowhere).
std::size_t nextByte(std::string_view text, std::size_t from, char c) {
    const void* at = std::memchr(text.data() + from, c, text.size() - from);
    return at ? static_cast<std::size_t>(static_cast<const char*>(at) - text.data()) : text.size();
}

}  // namespace

std::vector<std::string_view> textLines(std::string_view text) {
    std::vector<std::string_view> lines;
    if (text.empty()) return lines;
    // The next LF and CR are searched for only once the lines pass them, so every byte is
    // searched once whichever line ends the text uses (a search for a set of bytes, as
    // find_first_of does, costs a call per byte).
    std::size_t lf = nextByte(text, 0, '\n'), cr = nextByte(text, 0, '\r'), start = 0;
    while (start < text.size()) {
        if (lf < start) lf = nextByte(text, start, '\n');
        if (cr < start) cr = nextByte(text, start, '\r');
        const std::size_t end = std::min(lf, cr);
        lines.push_back(text.substr(start, end - start));
        start = end + (end == cr && end + 1 == lf && lf < text.size() ? 2 : 1);
    }
    return lines;
}

std::string_view textWithoutUtf8Mark(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    return text;
}
