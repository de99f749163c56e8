#include "ktx_properties_list.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "text_file.h"
#include "text_lines.h"

namespace {

const char kHex[] = "0123456789ABCDEF";

bool mustEscape(char c, bool inKey, bool atKeyStart) {
    return c == '%' || c == '\n' || c == '\r' || c == '\0' || (inKey && c == '=') ||
           (atKeyStart && c == '#');
}

void appendEscaped(std::string& out, const std::string& text, bool isKey) {
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (mustEscape(c, isKey, isKey && i == 0)) {
            const auto b = static_cast<unsigned char>(c);
            out += '%';
            out += kHex[b >> 4];
            out += kHex[b & 15];
        } else {
            out += c;
        }
    }
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::optional<std::string> unescape(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size()) return std::nullopt;
        const int hi = hexValue(text[i + 1]);
        const int lo = hexValue(text[i + 2]);
        if (hi < 0 || lo < 0) return std::nullopt;
        out += static_cast<char>(hi * 16 + lo);
        i += 2;
    }
    return out;
}

// Parses one line into entries; false when the line is damaged.
bool parseLine(std::string_view line, std::vector<std::pair<Ktx_String, Ktx_String>>& entries) {
    if (line.empty() || line[0] == '#') return true;
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos || eq == 0) return false;
    auto key = unescape(line.substr(0, eq));
    auto value = unescape(line.substr(eq + 1));
    if (!key || !value) return false;
    for (auto& entry : entries) {
        if (entry.first.str() == *key) {
            entry.second = Ktx_String(std::move(*value));
            return true;
        }
    }
    entries.emplace_back(Ktx_String(std::move(*key)), Ktx_String(std::move(*value)));
    return true;
}

std::string shortestDouble(double value) {
    char buffer[40];
    for (int precision = 15; precision <= 17; ++precision) {
        std::snprintf(buffer, sizeof buffer, "%.*g", precision, value);
        if (std::strtod(buffer, nullptr) == value) break;
    }
    return buffer;
}

}  // namespace

int Ktx_PropertiesList::indexOf(const Ktx_String& key) const {
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].first == key) return static_cast<int>(i);
    }
    return -1;
}

bool Ktx_PropertiesList::getProperty(const Ktx_String& key, Ktx_String& value) const {
    const int i = indexOf(key);
    if (i < 0) return false;
    value = entries_[static_cast<size_t>(i)].second;
    return true;
}

bool Ktx_PropertiesList::getProperty(const Ktx_String& key, int& value) const {
    Ktx_String text;
    if (!getProperty(key, text) || text.isEmpty()) return false;
    char* end = nullptr;
    errno = 0;
    const long parsed = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || errno != 0 || parsed < INT32_MIN || parsed > INT32_MAX) return false;
    value = static_cast<int>(parsed);
    return true;
}

bool Ktx_PropertiesList::getProperty(const Ktx_String& key, double& value) const {
    Ktx_String text;
    if (!getProperty(key, text) || text.isEmpty()) return false;
    char* end = nullptr;
    const double parsed = std::strtod(text.c_str(), &end);
    if (*end != '\0') return false;
    value = parsed;
    return true;
}

Acad::ErrorStatus Ktx_PropertiesList::setProperty(const Ktx_String& key, const Ktx_String& value) {
    if (key.isEmpty()) return Acad::eInvalidInput;
    const int i = indexOf(key);
    if (i >= 0) {
        entries_[static_cast<size_t>(i)].second = value;
    } else {
        entries_.emplace_back(key, value);
    }
    return Acad::eOk;
}

Acad::ErrorStatus Ktx_PropertiesList::setProperty(const Ktx_String& key, int value) {
    return setProperty(key, Ktx_String(value));
}

Acad::ErrorStatus Ktx_PropertiesList::setProperty(const Ktx_String& key, double value) {
    return setProperty(key, Ktx_String(shortestDouble(value)));
}

bool Ktx_PropertiesList::removeProperty(const Ktx_String& key) {
    const int i = indexOf(key);
    if (i < 0) return false;
    entries_.erase(entries_.begin() + i);
    return true;
}

Ktx_StringArray Ktx_PropertiesList::keys() const {
    Ktx_StringArray out(count());
    for (const auto& entry : entries_) out.append(entry.first);
    return out;
}

std::string Ktx_PropertiesList::toText() const {
    std::string out;
    for (const auto& [key, value] : entries_) {
        appendEscaped(out, key.str(), true);
        out += '=';
        appendEscaped(out, value.str(), false);
        out += "\r\n";
    }
    // A first key that begins with the bytes of a UTF-8 byte-order mark would lose them on
    // reading (the mark is skipped there), so its first byte is written escaped.
    if (out.rfind("\xEF\xBB\xBF", 0) == 0) out.replace(0, 1, "%EF");
    return out;
}

Acad::ErrorStatus Ktx_PropertiesList::fromText(std::string_view text) {
    std::vector<std::pair<Ktx_String, Ktx_String>> parsed;
    for (std::string_view line : textLines(textWithoutUtf8Mark(text)))
        if (!parseLine(line, parsed)) return Acad::eInvalidInput;
    entries_ = std::move(parsed);
    return Acad::eOk;
}

Acad::ErrorStatus Ktx_PropertiesList::readFromFile(const Ktx_String& path) {
    std::string bytes;
    if (!coreReadFileBytes(path, bytes)) return Acad::eFileNotFound;
    return fromText(bytes);
}

Acad::ErrorStatus Ktx_PropertiesList::writeToFile(const Ktx_String& path) const {
    return coreWriteFileAtomic(path, toText()) ? Acad::eOk : Acad::eFileAccessErr;
}
