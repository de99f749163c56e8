// Macro property files: the text of the values of a macro data's tabs, and reading it back.
#include "macro_prop_file.h"

#include "diagnostic_text.h"
#include "macro_data.h"
#include "macro_file.h"
#include "text_lines.h"

namespace {

struct KindWord {
    MacroDifference::Kind kind;
    const char* word;
};

constexpr KindWord kKindWords[] = {
    {MacroDifference::kCell, "cell"},
    {MacroDifference::kCut, "cut"},
    {MacroDifference::kBoltField, "boltfield"},
    {MacroDifference::kBoltCount1, "nrbolts1"},
    {MacroDifference::kBoltCount2, "nrbolts2"},
    {MacroDifference::kBoltAssembly, "boltassembly"},
    {MacroDifference::kBoltDiameter, "boltdiameter"},
    {MacroDifference::kProfileName, "profile"},
    {MacroDifference::kProfileOffset, "offset"},
    {MacroDifference::kProfileRotation, "rotation"},
    {MacroDifference::kArrayValue, "array"},
    {MacroDifference::kBlock, "block"},
};

const char* wordOf(MacroDifference::Kind kind) {
    for (const KindWord& k : kKindWords)
        if (k.kind == kind) return k.word;
    return "";
}

bool kindOf(const std::string& word, MacroDifference::Kind& kind) {
    for (const KindWord& k : kKindWords) {
        if (word != k.word) continue;
        kind = k.kind;
        return true;
    }
    return false;
}

// A line of quoted words; false when a word holds a line break.
bool appendLine(std::string& text, const std::vector<std::string>& words) {
    for (size_t i = 0; i < words.size(); ++i) {
        if (words[i].find_first_of("\r\n") != std::string::npos) return false;
        text += (i ? " " : "") + quoteMacroFileWord(words[i]);
    }
    text += "\r\n";
    return true;
}

void addArrayValues(MacroDifferences& out, const MacroArray& a) {
    for (int i = 0; i < 4; ++i)
        out.push_back(
            {MacroDifference::kArrayValue, a.name, a.fields[i].value, std::to_string(i + 1)});
    out.push_back({MacroDifference::kArrayValue, a.name, a.count.value, "count"});
    for (size_t i = 0; i < a.entries.size(); ++i)
        out.push_back({MacroDifference::kArrayValue, a.name, a.entries[i].value,
                       "entry" + std::to_string(i + 1)});
}

void addBoltValues(MacroDifferences& out, const MacroTabData& tab) {
    for (int i = 0; i < 5; ++i)
        if (!tab.edit.boltFields[i].empty())
            out.push_back(
                {MacroDifference::kBoltField, std::to_string(i + 1), tab.edit.boltFields[i]});
    if (tab.bolts) {
        for (const MacroPatternData& p : tab.bolts->patterns) {
            out.push_back({MacroDifference::kBoltCount1, p.name, p.nrBolts1});
            out.push_back({MacroDifference::kBoltCount2, p.name, p.nrBolts2});
        }
    }
    if (!tab.edit.boltAssembly.empty())
        out.push_back({MacroDifference::kBoltAssembly, {}, tab.edit.boltAssembly});
    if (!tab.edit.boltDiameter.empty())
        out.push_back({MacroDifference::kBoltDiameter, {}, tab.edit.boltDiameter});
}

}  // namespace

MacroDifferences allValuesOf(const MacroTabData& tab) {
    MacroDifferences out;
    for (const MacroCell& c : tab.edit.cells)
        if (!c.readOnly) out.push_back({MacroDifference::kCell, c.name, c.value});
    for (const MacroCut& c : tab.edit.cuts)
        out.push_back({MacroDifference::kCut, c.name, macroNumberText(c.value)});
    addBoltValues(out, tab);
    for (const MacroGroupProps& g : tab.groups) {
        out.push_back({MacroDifference::kProfileName, g.groupName, g.sectionName});
        out.push_back({MacroDifference::kProfileOffset, g.groupName, g.offsetType});
        out.push_back({MacroDifference::kProfileRotation, g.groupName, g.rotation});
    }
    for (const MacroArray& a : tab.edit.arrays) addArrayValues(out, a);
    if (tab.edit.hasBlockList) out.push_back({MacroDifference::kBlock, {}, tab.edit.currentBlock});
    return out;
}

bool formatMacroPropItems(const std::vector<MacroPropItem>& items, std::string& text) {
    std::string out = std::string(kMacroPropHeader) + "\r\n";
    bool ok = true;
    for (size_t i = 0; i < items.size(); ++i) {
        const MacroDifference& d = items[i].item;
        if (i == 0 || items[i - 1].tab != items[i].tab)
            ok = appendLine(out, {"tab", items[i].tab}) && ok;
        std::vector<std::string> words = {wordOf(d.kind), d.name};
        if (d.kind == MacroDifference::kArrayValue) words.push_back(d.field);
        words.push_back(d.value);
        ok = appendLine(out, words) && ok;
    }
    if (ok) text = std::move(out);
    return ok;
}

bool formatMacroPropText(const MacroData& data, std::string& text) {
    std::vector<MacroPropItem> items;
    for (const MacroTabData& tab : data.tabs)
        for (MacroDifference& d : allValuesOf(tab)) items.push_back({tab.name, std::move(d)});
    return formatMacroPropItems(items, text);
}

bool parseMacroPropText(const std::string& text, std::vector<MacroPropItem>& items,
                        std::string& error) {
    std::vector<MacroPropItem> read;
    int lineNo = 0;
    std::string tab;
    bool inTab = false;
    auto fail = [&](const std::string& message) {
        error = "line " + std::to_string(lineNo) + ": " + message;
        return false;
    };
    for (std::string_view line : textLines(textWithoutUtf8Mark(text))) {
        ++lineNo;
        if (lineNo == 1) {
            if (line != kMacroPropHeader) return fail("not a macro property file");
            continue;
        }
        std::vector<std::string> w;
        if (!splitMacroFileLine(std::string(line), w, error)) return fail(error);
        if (w.empty()) continue;
        MacroDifference::Kind kind = MacroDifference::kCell;
        if (w[0] == "tab") {
            if (w.size() != 2) return fail("'tab' takes a name");
            tab = w[1];
            inTab = true;
        } else if (!kindOf(w[0], kind)) {
            return fail("unknown item '" + diagnosticWord(w[0]) + "'");
        } else if (!inTab) {
            return fail("values need a 'tab' line first");
        } else {
            const size_t words = kind == MacroDifference::kArrayValue ? 4 : 3;
            if (w.size() != words)
                return fail("'" + w[0] + "' takes " + std::to_string(words - 1) + " values");
            read.push_back({tab, {kind, w[1], w.back(), words == 4 ? w[2] : std::string()}});
        }
    }
    if (lineNo == 0) return fail("not a macro property file");
    items = std::move(read);
    return true;
}
