#include "formula_case.h"

namespace {

constexpr unsigned char upperByte(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
    switch (c) {
        case 0x9A:
            return 0x8A;  // s caron
        case 0x9C:
            return 0x8C;  // oe
        case 0x9E:
            return 0x8E;  // z caron
        case 0xFF:
            return 0x9F;  // y diaeresis
        default:
            return c;
    }
}

constexpr unsigned char lowerByte(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
    switch (c) {
        case 0x8A:
            return 0x9A;
        case 0x8C:
            return 0x9C;
        case 0x8E:
            return 0x9E;
        case 0x9F:
            return 0xFF;
        default:
            return c;
    }
}

constexpr std::array<unsigned char, 256> tableOf(unsigned char (*rule)(unsigned char)) {
    std::array<unsigned char, 256> table{};
    for (int b = 0; b < 256; ++b) table[b] = rule(static_cast<unsigned char>(b));
    return table;
}

}  // namespace

constexpr std::array<unsigned char, 256> kUpperBytes = tableOf(upperByte);
constexpr std::array<unsigned char, 256> kLowerBytes = tableOf(lowerByte);

std::string upperText(std::string_view text) {
    std::string s(text);
    for (char& c : s) c = upperChar(c);
    return s;
}

std::string lowerText(std::string_view text) {
    std::string s(text);
    for (char& c : s) c = lowerChar(c);
    return s;
}

int compareNoCase(std::string_view a, std::string_view b) {
    std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        unsigned char x = kUpperBytes[static_cast<unsigned char>(a[i])];
        unsigned char y = kUpperBytes[static_cast<unsigned char>(b[i])];
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool equalNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && compareNoCase(a, b) == 0;
}

std::size_t findNoCase(std::string_view hay, std::string_view needle, std::size_t from) {
    if (from > hay.size()) return std::string_view::npos;
    for (std::size_t i = from; i + needle.size() <= hay.size(); ++i)
        if (equalNoCase(hay.substr(i, needle.size()), needle)) return i;
    return std::string_view::npos;
}
