// Updating a macro file's text in place: only the words whose values changed are replaced, so
// comments and layout survive (people edit these files by hand and compare versions).
#include <algorithm>
#include <cstdlib>

#include "macro_file.h"
#include "text_file.h"

namespace {

// The lines of a text, each with its line end ("\r\n", "\n" or none for the last).
struct SourceLine {
    std::string text;
    std::string end;
};

std::vector<SourceLine> sourceLines(const std::string& text) {
    std::vector<SourceLine> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t nl = text.find('\n', start);
        const size_t stop = nl == std::string::npos ? text.size() : nl;
        SourceLine line{text.substr(start, stop - start), nl == std::string::npos ? "" : "\n"};
        if (!line.text.empty() && line.text.back() == '\r') {
            line.text.pop_back();
            line.end = "\r" + line.end;
        }
        lines.push_back(std::move(line));
        start = stop + 1;
    }
    return lines;
}

std::vector<std::vector<MacroFileWordSpan>> canonicalStatements(const std::string& text) {
    std::vector<std::vector<MacroFileWordSpan>> statements;
    std::string error;
    for (const SourceLine& line : sourceLines(text)) {
        std::vector<MacroFileWordSpan> spans;
        splitMacroFileLineSpans(line.text, spans, error);
        if (!spans.empty()) statements.push_back(std::move(spans));
    }
    return statements;
}

bool asNumber(const std::string& word, double& value) {
    if (word.empty()) return false;
    char* end = nullptr;
    value = std::strtod(word.c_str(), &end);
    return end == word.c_str() + word.size();
}

// Two words say the same: equal, or numbers of equal value ("120" and "120.0").
bool sameWord(const std::string& a, const std::string& b) {
    double x = 0, y = 0;
    return a == b || (asNumber(a, x) && asNumber(b, y) && x == y);
}

bool sameWords(const std::vector<MacroFileWordSpan>& a, const std::vector<MacroFileWordSpan>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (!sameWord(a[i].word, b[i].word)) return false;
    return true;
}

std::string joinedWords(const std::vector<MacroFileWordSpan>& words) {
    std::string out;
    for (size_t i = 0; i < words.size(); ++i)
        out += (i ? " " : "") + quoteMacroFileWord(words[i].word);
    return out;
}

// Replaces line[begin, end) by `word`; when blanks follow the word and then more text (a word
// or a comment), the blanks are widened or narrowed (to one at least) so that the text after
// them stays in its column.
void replaceKeepingColumns(std::string& line, size_t begin, size_t end, const std::string& word) {
    size_t blanks = 0;
    while (end + blanks < line.size() && line[end + blanks] == ' ') ++blanks;
    const bool more = blanks > 0 && end + blanks < line.size();
    const long delta = static_cast<long>(word.size()) - static_cast<long>(end - begin);
    line.replace(begin, end - begin, word);
    if (!more || delta == 0) return;
    const size_t after = begin + word.size();
    if (delta < 0) {
        line.insert(after, static_cast<size_t>(-delta), ' ');
    } else {
        line.erase(after, std::min(static_cast<size_t>(delta), blanks - 1));
    }
}

// The source line of a statement changed from the words `was` to the words `now`.
std::string changedLine(const std::string& line, const std::vector<MacroFileWordSpan>& source,
                        const std::vector<MacroFileWordSpan>& was,
                        const std::vector<MacroFileWordSpan>& now) {
    std::string out = line;
    if (was.size() != now.size()) {
        return out.replace(source.front().begin, source.back().end - source.front().begin,
                           joinedWords(now));
    }
    for (size_t i = now.size(); i-- > 0;) {
        if (sameWord(was[i].word, now[i].word)) continue;
        replaceKeepingColumns(out, source[i].begin, source[i].end, quoteMacroFileWord(now[i].word));
    }
    return out;
}

// The original text with its statements changed from `was` to `now`. Each statement of
// `was` is matched, in order, to the first unused statement of the original with the same
// words (a statement the canonical form does not write stays as it is); false when one finds
// no match.
bool changedText(const std::string& original,
                 const std::vector<std::vector<MacroFileWordSpan>>& was,
                 const std::vector<std::vector<MacroFileWordSpan>>& now, std::string& text) {
    if (was.size() != now.size()) return false;
    const std::vector<SourceLine> lines = sourceLines(original);
    std::vector<std::vector<MacroFileWordSpan>> spans(lines.size());
    std::string error;
    for (size_t i = 0; i < lines.size(); ++i)
        if (!splitMacroFileLineSpans(lines[i].text, spans[i], error)) return false;
    std::vector<long> statementOf(lines.size(), -1);
    for (size_t k = 0; k < was.size(); ++k) {
        size_t i = 0;
        while (i < lines.size() &&
               (statementOf[i] >= 0 || spans[i].empty() || !sameWords(spans[i], was[k])))
            ++i;
        if (i == lines.size()) return false;
        statementOf[i] = static_cast<long>(k);
    }
    std::string out;
    for (size_t i = 0; i < lines.size(); ++i) {
        const long k = statementOf[i];
        const bool same =
            k < 0 || sameWords(was[static_cast<size_t>(k)], now[static_cast<size_t>(k)]);
        out += (same ? lines[i].text
                     : changedLine(lines[i].text, spans[i], was[static_cast<size_t>(k)],
                                   now[static_cast<size_t>(k)])) +
               lines[i].end;
    }
    text = std::move(out);
    return true;
}

// True when the text reads back as exactly the canonical text.
bool readsAs(const std::string& text, const std::string& canonical) {
    Ktx_Macro macro;
    MacroData data;
    std::string error, again;
    return parseMacroText(text, macro, data, error) && formatMacroText(macro, data, again) &&
           again == canonical;
}

}  // namespace

bool updateMacroText(const std::string& original, const Ktx_Macro& macro, const MacroData& data,
                     std::string& text) {
    std::string canonical;
    if (!formatMacroText(macro, data, canonical)) return false;
    Ktx_Macro oldMacro;
    MacroData oldData;
    std::string error, oldCanonical;
    if (!parseMacroText(original, oldMacro, oldData, error) ||
        !formatMacroText(oldMacro, oldData, oldCanonical)) {
        text = std::move(canonical);
        return true;
    }
    if (oldCanonical == canonical) {
        text = original;
        return true;
    }
    if (!changedText(original, canonicalStatements(oldCanonical), canonicalStatements(canonical),
                     text) ||
        !readsAs(text, canonical))
        text = std::move(canonical);
    return true;
}

bool updateMacroFile(const Ktx_String& path, const Ktx_Macro& macro, const MacroData& data,
                     bool& written) {
    written = false;
    std::string original, text;
    if (!coreReadFileBytes(path, original) || !updateMacroText(original, macro, data, text))
        return false;
    if (text == original) return true;
    if (!coreWriteFileAtomic(path, text)) return false;
    written = true;
    return true;
}
