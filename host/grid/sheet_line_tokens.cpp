#include "sheet_line_tokens.h"

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Reads one escape after a backslash at `i`; advances `i` past it. False for a bad escape.
bool readEscape(std::string_view line, std::size_t& i, std::string& out) {
    if (i + 1 >= line.size()) return false;
    const char c = line[i + 1];
    i += 2;
    switch (c) {
        case '\\':
            out += '\\';
            return true;
        case '"':
            out += '"';
            return true;
        case 't':
            out += '\t';
            return true;
        case 'r':
            out += '\r';
            return true;
        case 'n':
            out += '\n';
            return true;
        case 'x':
            break;
        default:
            return false;
    }
    if (i + 2 > line.size()) return false;
    const int hi = hexValue(line[i]);
    const int lo = hexValue(line[i + 1]);
    if (hi < 0 || lo < 0) return false;
    out += static_cast<char>(hi * 16 + lo);
    i += 2;
    return true;
}

// Reads a quoted token starting at the quote at `i`; leaves `i` after the closing quote.
bool readQuoted(std::string_view line, std::size_t& i, std::string& out, std::string& error) {
    ++i;
    while (i < line.size()) {
        const char c = line[i];
        if (c == '"') {
            ++i;
            return true;
        }
        if (c == '\\') {
            if (!readEscape(line, i, out)) {
                error = "bad escape in quoted text";
                return false;
            }
            continue;
        }
        out += c;
        ++i;
    }
    error = "quoted text not closed";
    return false;
}

}  // namespace

std::string quoteSheetText(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '\\' || c == '"') {
            out += '\\';
            out += ch;
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c < 0x20 || c == 0x7F) {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        } else {
            out += ch;
        }
    }
    out += '"';
    return out;
}

std::optional<std::vector<SheetToken>> splitSheetLine(std::string_view line, std::string& error) {
    std::vector<SheetToken> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ') {
            ++i;
            continue;
        }
        SheetToken token;
        if (line[i] == '"') {
            token.quoted = true;
            if (!readQuoted(line, i, token.text, error)) return std::nullopt;
            if (i < line.size() && line[i] != ' ') {
                error = "text follows a closing quote";
                return std::nullopt;
            }
        } else {
            const std::size_t end = line.find(' ', i);
            const std::size_t stop = end == std::string_view::npos ? line.size() : end;
            token.text.assign(line.substr(i, stop - i));
            i = stop;
        }
        tokens.push_back(std::move(token));
    }
    return tokens;
}
