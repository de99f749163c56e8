#include "ktx_string.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ostream>

#include "command_line.h"
#include "formula_case.h"

namespace {

unsigned char byteOf(char c) {
    return static_cast<unsigned char>(c);
}

bool equalBytes(std::string_view a, std::string_view b, bool caseSensitive) {
    if (a.size() != b.size()) return false;
    if (a == b) return true;  // the usual case, compared at once
    if (caseSensitive) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && ktxToLower(a[i]) != ktxToLower(b[i])) return false;
    }
    return true;
}

bool matchesAt(std::string_view text, size_t pos, std::string_view sub, bool caseSensitive) {
    return pos + sub.size() <= text.size() &&
           equalBytes(text.substr(pos, sub.size()), sub, caseSensitive);
}

std::string formatFixed(double value, int decimals) {
    if (decimals < 0) decimals = 0;
    if (decimals > 100) decimals = 100;
    const int needed = std::snprintf(nullptr, 0, "%.*f", decimals, value);
    std::string out(static_cast<size_t>(needed > 0 ? needed : 0), '\0');
    std::snprintf(out.data(), out.size() + 1, "%.*f", decimals, value);
    return out;
}

void trimFractionZeros(std::string& text) {
    if (text.find('.') == std::string::npos) return;
    while (!text.empty() && text.back() == '0') text.pop_back();
    if (!text.empty() && text.back() == '.') text.pop_back();
    if (text == "-0") text = "0";
}

}  // namespace

char ktxToUpper(char c) {
    return upperChar(c);
}

char ktxToLower(char c) {
    return lowerChar(c);
}

int ktxCompareNoCase(std::string_view a, std::string_view b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const int x = byteOf(ktxToLower(a[i]));
        const int y = byteOf(ktxToLower(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

Ktx_String::Ktx_String(const char* text) : text_(text ? text : "") {}

Ktx_String::Ktx_String(const char* bytes, int length)
    : text_(bytes && length > 0 ? std::string(bytes, static_cast<size_t>(length)) : std::string()) {
}

Ktx_String::Ktx_String(int value) : text_(std::to_string(value)) {}

Ktx_String::Ktx_String(double value, int decimals) : text_(formatFixed(value, decimals)) {}

Ktx_String::Ktx_String(double value, int decimals, bool trimZeros)
    : text_(formatFixed(value, decimals)) {
    if (trimZeros) trimFractionZeros(text_);
}

Ktx_String Ktx_String::format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string out;
    acadFormatV(format, args, out);
    va_end(args);
    return Ktx_String(std::move(out));
}

char Ktx_String::charAt(int i) const {
    return i >= 0 && i < length() ? text_[static_cast<size_t>(i)] : '\0';
}

Ktx_String& Ktx_String::append(const Ktx_String& other) {
    text_ += other.text_;
    return *this;
}

Ktx_String& Ktx_String::appendView(std::string_view bytes) {
    text_ += bytes;
    return *this;
}

Ktx_String& Ktx_String::append(char c) {
    text_ += c;
    return *this;
}

bool Ktx_String::equal(const Ktx_String& other, bool caseSensitive) const {
    return equalBytes(text_, other.text_, caseSensitive);
}

bool Ktx_String::contains(const Ktx_String& sub, bool caseSensitive) const {
    return findFirstFrom(sub, 0, caseSensitive) >= 0;
}

bool Ktx_String::hasSubString(const Ktx_String& sub, bool caseSensitive) const {
    return contains(sub, caseSensitive);
}

bool Ktx_String::startsWith(const Ktx_String& prefix, bool caseSensitive) const {
    return matchesAt(text_, 0, prefix.text_, caseSensitive);
}

bool Ktx_String::endsWith(const Ktx_String& suffix, bool caseSensitive) const {
    if (suffix.text_.size() > text_.size()) return false;
    return matchesAt(text_, text_.size() - suffix.text_.size(), suffix.text_, caseSensitive);
}

int Ktx_String::findFirstFrom(const Ktx_String& sub, int from, bool caseSensitive) const {
    if (from < 0) from = 0;
    if (from > length()) return -1;
    if (caseSensitive) {
        const size_t pos = std::string_view(text_).find(sub.text_, static_cast<size_t>(from));
        return pos == std::string_view::npos ? -1 : static_cast<int>(pos);
    }
    for (size_t pos = static_cast<size_t>(from); pos + sub.text_.size() <= text_.size(); ++pos) {
        if (matchesAt(text_, pos, sub.text_, caseSensitive)) return static_cast<int>(pos);
    }
    return -1;
}

int Ktx_String::findLastFrom(const Ktx_String& sub, int from, bool caseSensitive) const {
    if (sub.text_.size() > text_.size()) return -1;
    const int lastStart = length() - sub.length();
    int pos = (from < 0 || from > lastStart) ? lastStart : from;
    if (caseSensitive) {
        const size_t at = std::string_view(text_).rfind(sub.text_, static_cast<size_t>(pos));
        return at == std::string_view::npos ? -1 : static_cast<int>(at);
    }
    for (; pos >= 0; --pos) {
        if (matchesAt(text_, static_cast<size_t>(pos), sub.text_, caseSensitive)) return pos;
    }
    return -1;
}

Ktx_String Ktx_String::getSubStringAt(int start, int count) const {
    if (start < 0 || start > length()) return Ktx_String();
    const size_t n = count < 0 ? std::string::npos : static_cast<size_t>(count);
    return Ktx_String(text_.substr(static_cast<size_t>(start), n));
}

Acad::ErrorStatus Ktx_String::insertAt(int pos, const Ktx_String& text) {
    if (pos < 0 || pos > length()) return Acad::eInvalidInput;
    text_.insert(static_cast<size_t>(pos), text.text_);
    return Acad::eOk;
}

Acad::ErrorStatus Ktx_String::removeAt(int pos, int count) {
    if (pos < 0 || pos >= length() || count < 1) return Acad::eInvalidInput;
    text_.erase(static_cast<size_t>(pos), static_cast<size_t>(count));
    return Acad::eOk;
}

int Ktx_String::replaceSubString(const Ktx_String& from, const Ktx_String& to, bool all,
                                 bool caseSensitive) {
    if (from.isEmpty()) return 0;
    int replaced = 0;
    int pos = findFirstFrom(from, 0, caseSensitive);
    while (pos >= 0) {
        text_.replace(static_cast<size_t>(pos), from.text_.size(), to.text_);
        ++replaced;
        if (!all) break;
        pos = findFirstFrom(from, pos + to.length(), caseSensitive);
    }
    return replaced;
}

Ktx_String& Ktx_String::makeUpper() {
    for (char& c : text_) c = ktxToUpper(c);
    return *this;
}

Ktx_String& Ktx_String::makeLower() {
    for (char& c : text_) c = ktxToLower(c);
    return *this;
}

int Ktx_String::toInt() const {
    return std::atoi(text_.c_str());
}

double Ktx_String::toDouble() const {
    return std::atof(text_.c_str());
}

namespace {

// The two texts joined, made in one allocation.
Ktx_String joined(std::string_view a, std::string_view b) {
    std::string text;
    text.reserve(a.size() + b.size());
    text.append(a).append(b);
    return Ktx_String(std::move(text));
}

}  // namespace

Ktx_String operator+(const Ktx_String& a, const Ktx_String& b) {
    return joined(a.view(), b.view());
}

Ktx_String operator+(const Ktx_String& a, const char* b) {
    return joined(a.view(), b ? b : "");
}

Ktx_String operator+(const char* a, const Ktx_String& b) {
    return joined(a ? a : "", b.view());
}

Ktx_String operator+(Ktx_String&& a, const Ktx_String& b) {
    return std::move(a.append(b));
}

Ktx_String operator+(Ktx_String&& a, const char* b) {
    return std::move(a.appendView(b ? b : ""));
}

std::ostream& operator<<(std::ostream& out, const Ktx_String& text) {
    return out << text.str();
}
