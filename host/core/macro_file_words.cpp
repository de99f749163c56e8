// Words of a macro file line: splitting and quoting.
#include "macro_file.h"

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool endsWord(char c) {
    return isBlank(c) || c == '\r';
}

// Reads a quoted word starting at line[i] == '"'; i ends after the closing quote. The runs
// between doubled quotes are taken whole.
bool readQuoted(const std::string& line, size_t& i, std::string& word) {
    ++i;
    for (;;) {
        const size_t quote = line.find('"', i);
        if (quote == std::string::npos) return false;
        word.append(line, i, quote - i);
        i = quote + 1;
        if (i >= line.size() || line[i] != '"') return true;
        word += '"';
        ++i;
    }
}

// Splits line into words, handing each to add(begin, end, word) as it is found (the word
// made once and given away): the one mechanism behind both forms below.
template <typename Add>
bool splitWords(const std::string& line, std::string& error, Add add) {
    // Names are C strings in the Core library: a name holding a NUL byte would be found by
    // look-ups under its first part only, so a line holding one is refused.
    if (line.find('\0') != std::string::npos) {
        error = "a NUL byte in the line";
        return false;
    }
    size_t i = 0;
    while (i < line.size()) {
        if (endsWord(line[i])) {
            ++i;
            continue;
        }
        if (line[i] == '#') break;
        const size_t begin = i;
        if (line[i] != '"') {
            while (i < line.size() && !endsWord(line[i])) ++i;
            add(begin, i, line.substr(begin, i - begin));
            continue;
        }
        std::string word;
        if (!readQuoted(line, i, word)) {
            error = "unterminated quoted word";
            return false;
        }
        if (i < line.size() && !endsWord(line[i])) {
            error = "a quoted word must be followed by a blank";
            return false;
        }
        add(begin, i, std::move(word));
    }
    return true;
}

}  // namespace

bool splitMacroFileLineSpans(const std::string& line, std::vector<MacroFileWordSpan>& spans,
                             std::string& error) {
    spans.clear();
    return splitWords(line, error, [&](size_t begin, size_t end, std::string&& word) {
        spans.push_back({begin, end, std::move(word)});
    });
}

bool splitMacroFileLine(const std::string& line, std::vector<std::string>& words,
                        std::string& error) {
    words.clear();
    if (splitWords(line, error,
                   [&](size_t, size_t, std::string&& word) { words.push_back(std::move(word)); }))
        return true;
    words.clear();  // all or nothing
    return false;
}

std::string quoteMacroFileWord(const std::string& word) {
    bool plain = !word.empty() && word[0] != '#' && word[0] != '"';
    for (char c : word)
        if (isBlank(c) || c == '\r' || c == '\n') plain = false;
    if (plain) return word;
    std::string out = "\"";
    for (char c : word) {
        out += c;
        if (c == '"') out += '"';
    }
    return out + "\"";
}
