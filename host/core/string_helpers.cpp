#include "string_helpers.h"

#include <cstring>

#include "core_random.h"

namespace {

int findSymbol(const Ktx_String& text, const Ktx_String& symbol, bool lastOccurrence) {
    if (symbol.isEmpty()) return -1;
    return lastOccurrence ? text.findLastFrom(symbol) : text.findFirstFrom(symbol);
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Skips digits from pos; returns how many.
int skipDigits(const std::string& s, size_t& pos) {
    int n = 0;
    while (pos < s.size() && isDigit(s[pos])) ++pos, ++n;
    return n;
}

}  // namespace

Ktx_String& stripSymbols(Ktx_String& text, char symbol, bool atStart, bool atEnd) {
    const std::string& s = text.str();
    size_t begin = 0;
    size_t end = s.size();
    if (atStart) {
        while (begin < end && s[begin] == symbol) ++begin;
    }
    if (atEnd) {
        while (end > begin && s[end - 1] == symbol) --end;
    }
    text = Ktx_String(s.substr(begin, end - begin));
    return text;
}

Ktx_String getSubstrBefore(const Ktx_String& text, const Ktx_String& symbol, bool lastOccurrence) {
    const int pos = findSymbol(text, symbol, lastOccurrence);
    return pos < 0 ? text : text.getSubStringAt(0, pos);
}

Ktx_String getSubstrAfter(const Ktx_String& text, const Ktx_String& symbol, bool lastOccurrence) {
    const int pos = findSymbol(text, symbol, lastOccurrence);
    return pos < 0 ? Ktx_String() : text.getSubStringAt(pos + symbol.length());
}

bool splitString(const Ktx_String& text, const Ktx_String& symbol, Ktx_String& left,
                 Ktx_String& right, bool lastOccurrence) {
    const int pos = findSymbol(text, symbol, lastOccurrence);
    if (pos < 0) {
        left = text;
        right = Ktx_String();
        return false;
    }
    left = text.getSubStringAt(0, pos);
    right = text.getSubStringAt(pos + symbol.length());
    return true;
}

Ktx_StringArray splitStringAtSymbol(const Ktx_String& text, const Ktx_String& symbol,
                                    bool keepEmpty) {
    Ktx_StringArray pieces;
    if (symbol.isEmpty()) {
        if (keepEmpty || !text.isEmpty()) pieces.append(text);
        return pieces;
    }
    int start = 0;
    while (true) {
        const int pos = text.findFirstFrom(symbol, start);
        const int end = pos < 0 ? text.length() : pos;
        Ktx_String piece = text.getSubStringAt(start, end - start);
        if (keepEmpty || !piece.isEmpty()) pieces.append(piece);
        if (pos < 0) break;
        start = pos + symbol.length();
    }
    return pieces;
}

Ktx_StringArray strToArr(const Ktx_String& text, const Ktx_String& separator) {
    if (text.isEmpty()) return Ktx_StringArray();
    return splitStringAtSymbol(text, separator, true);
}

Ktx_String arrToStr(const Ktx_StringArray& items, const Ktx_String& separator) {
    Ktx_String out;
    for (int i = 0; i < items.length(); ++i) {
        if (i > 0) out.append(separator);
        out.append(items[i]);
    }
    return out;
}

Ktx_Array<Ktx_StringArray> arrToArrArr(const Ktx_StringArray& lines, const Ktx_String& separator) {
    Ktx_Array<Ktx_StringArray> rows(lines.length());
    for (const auto& line : lines) rows.append(strToArr(line, separator));
    return rows;
}

Ktx_StringArray arrArrToArr(const Ktx_Array<Ktx_StringArray>& rows, const Ktx_String& separator) {
    Ktx_StringArray lines(rows.length());
    for (const auto& row : rows) lines.append(arrToStr(row, separator));
    return lines;
}

bool hasInvalidFileNameChars(const Ktx_String& text) {
    for (char c : text.str()) {
        if (static_cast<unsigned char>(c) < 32 || std::strchr("\\/:*?\"<>|", c)) return true;
    }
    return false;
}

Ktx_Array<int> getDuplicates(const Ktx_StringArray& items, bool caseSensitive) {
    Ktx_Array<int> duplicates;
    for (int i = 1; i < items.length(); ++i) {
        const int first = items.find(items[i], caseSensitive, 0);
        if (first >= 0 && first < i) duplicates.append(i);
    }
    return duplicates;
}

bool isNumber(const Ktx_String& text) {
    const std::string& s = text.str();
    size_t pos = 0;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) ++pos;
    int digits = skipDigits(s, pos);
    if (pos < s.size() && s[pos] == '.') {
        ++pos;
        digits += skipDigits(s, pos);
    }
    if (digits == 0) return false;
    if (pos < s.size() && (s[pos] == 'e' || s[pos] == 'E')) {
        ++pos;
        if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) ++pos;
        if (skipDigits(s, pos) == 0) return false;
    }
    return pos == s.size();
}

Ktx_String generateRandomString(int length, bool withDigits) {
    static const char kAlphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    const unsigned alphabetSize = withDigits ? 62 : 52;
    Ktx_String out;
    if (length < 1) return out;
    for (int i = 0; i < length; ++i) {
        const auto draw = coreRandomNumber();
        if (!draw) return Ktx_String();
        out.append(kAlphabet[*draw % alphabetSize]);
    }
    return out;
}

Ktx_String findNonExistingString(const Ktx_StringArray& existing, const Ktx_String& proposal) {
    if (!existing.contains(proposal, false)) return proposal;
    const Ktx_String base = stripNumbersAtEnd(proposal);
    const Ktx_String digits = proposal.getSubStringAt(base.length());
    long long n = digits.isEmpty() ? 0 : std::atoll(digits.c_str());
    while (true) {
        ++n;
        Ktx_String candidate = base + Ktx_String(std::to_string(n));
        if (!existing.contains(candidate, false)) return candidate;
    }
}

Ktx_String getAlfabet(int column) {
    std::string letters;
    while (column > 0) {
        const int rest = (column - 1) % 26;
        letters.insert(letters.begin(), static_cast<char>('A' + rest));
        column = (column - 1) / 26;
    }
    return Ktx_String(letters);
}

int findFirstNumbers(const Ktx_String& text) {
    for (int i = 0; i < text.length(); ++i) {
        if (isDigit(text[i])) return i;
    }
    return -1;
}

Ktx_String stripNumbersAtEnd(const Ktx_String& text) {
    int end = text.length();
    while (end > 0 && isDigit(text[end - 1])) --end;
    return text.getSubStringAt(0, end);
}
