// Words of a macro file line: splitting and quoting.
#include "macro_file.h"

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Reads a quoted word starting at line[i] == '"'; i ends after the closing quote.
bool readQuoted(const std::string& line, size_t& i, std::string& word) {
    ++i;
    while (i < line.size()) {
        if (line[i] != '"') {
            word += line[i++];
            continue;
        }
        if (i + 1 < line.size() && line[i + 1] == '"') {
            word += '"';
            i += 2;
            continue;
        }
        ++i;
        return true;
    }
    return false;
}

}  // namespace

bool splitMacroFileLineSpans(const std::string& line, std::vector<MacroFileWordSpan>& spans,
                             std::string& error) {
    spans.clear();
    // Names are C strings in the Core library: a name holding a NUL byte would be found by
    // look-ups under its first part only, so a line holding one is refused.
    if (line.find('\0') != std::string::npos) {
        error = "a NUL byte in the line";
        return false;
    }
    size_t i = 0;
    while (i < line.size()) {
        if (isBlank(line[i]) || line[i] == '\r') {
            ++i;
            continue;
        }
        if (line[i] == '#') break;
        MacroFileWordSpan span{i, i, std::string()};
        if (line[i] == '"') {
            if (!readQuoted(line, i, span.word)) {
                error = "unterminated quoted word";
                return false;
            }
            if (i < line.size() && !isBlank(line[i]) && line[i] != '\r') {
                error = "a quoted word must be followed by a blank";
                return false;
            }
        } else {
            while (i < line.size() && !isBlank(line[i]) && line[i] != '\r') span.word += line[i++];
        }
        span.end = i;
        spans.push_back(std::move(span));
    }
    return true;
}

bool splitMacroFileLine(const std::string& line, std::vector<std::string>& words,
                        std::string& error) {
    std::vector<MacroFileWordSpan> spans;
    words.clear();
    if (!splitMacroFileLineSpans(line, spans, error)) return false;
    for (MacroFileWordSpan& s : spans) words.push_back(std::move(s.word));
    return true;
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
