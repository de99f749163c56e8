#include "registry_file_encoding.h"

#include <array>
#include <cstdio>

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";

// The characters of the bytes 0x80 to 0x9F; the five bytes code page 1252 leaves unassigned
// stand for the control characters of the same number, as Windows converts them.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t characterOf(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : char16_t{byte};
}

std::optional<char> byteOf(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == c) return static_cast<char>(0x80 + i);
    return std::nullopt;
}

std::optional<std::string> fromUtf16Le(std::string_view units, std::string* error) {
    std::string text;
    text.reserve(units.size() / 2);
    int line = 1;
    for (std::size_t i = 0; i + 1 < units.size(); i += 2) {
        const char16_t c = static_cast<char16_t>(static_cast<unsigned char>(units[i]) |
                                                 (static_cast<unsigned char>(units[i + 1]) << 8));
        const std::optional<char> byte = byteOf(c);
        if (!byte) {
            if (error != nullptr) {
                char buffer[80];
                std::snprintf(buffer, sizeof buffer,
                              "line %d: character U+%04X has no code page 1252 byte", line,
                              static_cast<unsigned>(c));
                *error = buffer;
            }
            return std::nullopt;
        }
        if (*byte == '\n') ++line;
        text += *byte;
    }
    if (units.size() % 2 != 0) {
        if (error != nullptr)
            *error = "line " + std::to_string(line) + ": the file ends in half a character";
        return std::nullopt;
    }
    return text;
}

}  // namespace

std::optional<std::string> registryDecode(std::string_view raw, RegistryFileEncoding& encoding,
                                          std::string* error) {
    if (raw.starts_with(kUtf16LeMark)) {
        encoding = RegistryFileEncoding::Utf16Le;
        return fromUtf16Le(raw.substr(kUtf16LeMark.size()), error);
    }
    encoding =
        raw.starts_with(kUtf8Mark) ? RegistryFileEncoding::Utf8Bom : RegistryFileEncoding::Bytes;
    if (encoding == RegistryFileEncoding::Utf8Bom) raw.remove_prefix(kUtf8Mark.size());
    return std::string(raw);
}

std::string registryEncode(std::string_view text, RegistryFileEncoding encoding) {
    if (encoding == RegistryFileEncoding::Bytes) return std::string(text);
    if (encoding == RegistryFileEncoding::Utf8Bom)
        return std::string(kUtf8Mark) + std::string(text);
    std::string out(kUtf16LeMark);
    out.reserve(2 + text.size() * 2);
    for (char byte : text) {
        const char16_t c = characterOf(static_cast<unsigned char>(byte));
        out += static_cast<char>(c & 0xFF);
        out += static_cast<char>(c >> 8);
    }
    return out;
}
