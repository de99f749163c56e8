// Reading macro files: the items of a tab (the macro dialog's edit state) and the macro's
// linked standards.
#include <string_view>

#include "diagnostic_text.h"
#include "macro_file_parser.h"

namespace macro_file_detail {

namespace {

// A whole decimal number without sign characters other than a leading '-'.
bool wholeNumber(const std::string& text, int& value) {
    double d = 0.0;
    // The range is checked before the conversion: a double outside int's range has no int.
    if (!macroParseNumber(text, d) || !(d >= -1e9 && d <= 1e9)) return false;
    if (d != static_cast<double>(static_cast<int>(d))) return false;
    value = static_cast<int>(d);
    return true;
}

}  // namespace

bool MacroFileParser::once(const std::string& key) {
    for (const std::string& k : onceSeen_)
        if (k == key) return fail("a tab has one '" + diagnosticWord(key) + "' line");
    onceSeen_.push_back(key);
    return true;
}

MacroGroupProps* MacroFileParser::memberOfTab(const std::string& group) {
    MacroGroupProps* g = tab().findProfDataWithGroup(Ktx_String(group.c_str()));
    if (!g) fail("member group '" + diagnosticWord(group) + "' needs a 'member' line before it");
    return g;
}

bool MacroFileParser::onStandard(const Words& w) {
    if (!argCount(w, 1, 2)) return false;
    if (w[1].empty()) return fail("a standard needs a name");
    Ktx_StandardLink link{w[1], w.size() > 2 ? w[2] : std::string()};
    for (const Ktx_StandardLink& s : macro.standards)
        if (s == link) return fail("standard '" + diagnosticWord(w[1]) + "' linked twice");
    macro.standards.push_back(std::move(link));
    return true;
}

bool MacroFileParser::tabItem(const Words& w) {
    const std::string_view k = w[0];  // compared with each keyword by length first
    if (k == "bolts") return onBolts(w);
    if (k == "nrbolts") return onNrBolts(w);
    if (k == "member") return onMember(w);
    if (k == "flexfix") return onFlexFix(w);
    if (k == "kind") return onKind(w);
    if (k == "template") return onTemplate(w);
    if (k == "cell") return onCell(w);
    if (k == "boltfield") return onBoltField(w);
    if (k == "boltassembly") return onBoltAssembly(w);
    if (k == "placing") return onPlacing(w);
    if (k == "sections") return onSections(w);
    if (k == "array") return onArray(w);
    if (k == "entry") return onEntry(w);
    if (k == "cut") return onTabCut(w);
    if (k == "blocks") return onBlocks(w);
    if (k == "flexgroup") return onFlexGroup(w);
    return fail("unknown tab item '" + diagnosticWord(w[0]) + "'");
}

bool MacroFileParser::onTab(const Words& w) {
    if (!argCount(w, 1, 1)) return false;
    int index = 0;
    if (data.findTab(Ktx_String(w[1].c_str()), index))
        return fail("tab '" + diagnosticWord(w[1]) + "' declared twice");
    MacroTabData t;
    t.name = w[1];
    data.tabs.push_back(std::move(t));
    scope_ = Scope::kTab;
    onceSeen_.clear();
    return true;
}

bool MacroFileParser::onBolts(const Words& w) {
    if (!argCount(w, 2, 2)) return false;
    if (tab().bolts) return fail("a tab has one 'bolts' line");
    tab().bolts = MacroBoltData{w[1], w[2], {}};
    return true;
}

bool MacroFileParser::onNrBolts(const Words& w) {
    if (!argCount(w, 2, 3)) return false;
    if (!tab().bolts) return fail("'nrbolts' needs a 'bolts' line before it");
    for (const MacroPatternData& p : tab().bolts->patterns)
        if (p.name == w[1])
            return fail("bolt counts of pattern '" + diagnosticWord(w[1]) + "' given twice");
    tab().bolts->patterns.push_back({w[1], w[2], w.size() > 3 ? w[3] : std::string()});
    return true;
}

bool MacroFileParser::onMember(const Words& w) {
    if (!argCount(w, 2, 4)) return false;
    for (const MacroGroupProps& g : tab().groups)
        if (g.groupName == w[1])
            return fail("member group '" + diagnosticWord(w[1]) + "' given twice");
    MacroGroupProps g;
    g.groupName = w[1];
    g.memberName = w[2];
    if (w.size() > 3) g.sectionName = w[3];
    if (w.size() > 4) g.material = w[4];
    tab().groups.push_back(std::move(g));
    return true;
}

bool MacroFileParser::onFlexFix(const Words& w) {
    if (!argCount(w, 2, 2)) return false;
    MacroFlexFixButton b;
    b.varName = w[1];
    if (w[2] == "fixed")
        b = {w[1], true, false};
    else if (w[2] == "flexible")
        b = {w[1], false, true};
    else if (w[2] == "both")
        b = {w[1], true, true};
    else if (w[2] == "none")
        b = {w[1], false, false};
    else
        return fail("a flex/fix state is fixed, flexible, both or none");
    for (const MacroFlexFixButton& o : tab().flexFix)
        if (o.varName == b.varName)
            return fail("flex/fix button '" + diagnosticWord(b.varName) + "' given twice");
    tab().flexFix.push_back(b);
    return true;
}

bool MacroFileParser::onKind(const Words& w) {
    int kind = 0;
    if (!argCount(w, 1, 1) || !once(w[0])) return false;
    if (!wholeNumber(w[1], kind) || kind < 0 || kind > 3) return fail("a tab kind is 0, 1, 2 or 3");
    tab().edit.kind = kind;
    return true;
}

bool MacroFileParser::onTemplate(const Words& w) {
    if (!argCount(w, 1, 1) || !once(w[0])) return false;
    tab().edit.templatePath = w[1];
    return true;
}

bool MacroFileParser::onCell(const Words& w) {
    if (!argCount(w, 2, 4)) return false;
    MacroCell c;
    c.name = w[1];
    c.value = w[2];
    for (size_t i = 3; i < w.size(); ++i) {
        if (w[i] == "readonly")
            c.readOnly = true;
        else if (w[i].rfind("type=", 0) != 0 || !wholeNumber(w[i].substr(5), c.type))
            return fail("unknown cell flag '" + diagnosticWord(w[i]) + "' (readonly or type=N)");
    }
    if (c.name.empty()) return fail("a cell needs a name");
    if (tab().findCellWithName(Ktx_String(c.name.c_str())))
        return fail("cell '" + diagnosticWord(c.name) + "' given twice");
    tab().edit.cells.push_back(std::move(c));
    return true;
}

bool MacroFileParser::onBoltField(const Words& w) {
    int n = 0;
    if (!argCount(w, 2, 2)) return false;
    if (!wholeNumber(w[1], n) || n < 1 || n > 5) return fail("bolt fields are numbered 1 to 5");
    if (!once("boltfield " + std::to_string(n))) return false;
    tab().edit.boltFields[n - 1] = w[2];
    return true;
}

bool MacroFileParser::onBoltAssembly(const Words& w) {
    if (!argCount(w, 2, 2) || !once(w[0])) return false;
    tab().edit.boltAssembly = w[1];
    tab().edit.boltDiameter = w[2];
    return true;
}

bool MacroFileParser::onPlacing(const Words& w) {
    if (!argCount(w, 3, 3)) return false;
    MacroGroupProps* g = memberOfTab(w[1]);
    if (!g) return false;
    if (!once(w[0] + " " + w[1])) return false;
    g->offsetType = w[2];
    g->rotation = w[3];
    return true;
}

bool MacroFileParser::onSections(const Words& w) {
    if (!argCount(w, 1, 1000)) return false;
    MacroGroupProps* g = memberOfTab(w[1]);
    if (!g) return false;
    if (!once(w[0] + " " + w[1])) return false;
    g->sectionNames.assign(w.begin() + 2, w.end());
    return true;
}

bool MacroFileParser::onArray(const Words& w) {
    if (!argCount(w, 7, 7)) return false;
    MacroArray a;
    a.name = w[1];
    if (!wholeNumber(w[2], a.kind)) return fail("an array kind is a whole number");
    for (int i = 0; i < 4; ++i) a.fields[i].value = w[3 + static_cast<size_t>(i)];
    a.count.value = w[7];
    if (tab().findArrayWithName(Ktx_String(a.name.c_str())))
        return fail("array '" + diagnosticWord(a.name) + "' given twice");
    tab().edit.arrays.push_back(std::move(a));
    return true;
}

bool MacroFileParser::onEntry(const Words& w) {
    if (!argCount(w, 2, 2)) return false;
    MacroArray* a = tab().findArrayWithName(Ktx_String(w[1].c_str()));
    if (!a) return fail("array '" + diagnosticWord(w[1]) + "' needs an 'array' line before it");
    a->entries.push_back({w[2], 0});
    return true;
}

bool MacroFileParser::onTabCut(const Words& w) {
    MacroCut c;
    if (!argCount(w, 2, 2) || !number(w[2], c.value)) return false;
    c.name = w[1];
    if (tab().findCutWithName(Ktx_String(c.name.c_str())))
        return fail("cut '" + diagnosticWord(c.name) + "' given twice");
    tab().edit.cuts.push_back(std::move(c));
    return true;
}

bool MacroFileParser::onBlocks(const Words& w) {
    if (!argCount(w, 0, 1) || !once(w[0])) return false;
    tab().edit.hasBlockList = true;
    tab().edit.currentBlock = w.size() > 1 ? w[1] : std::string();
    return true;
}

bool MacroFileParser::onFlexGroup(const Words& w) {
    if (!argCount(w, 1, 1000)) return false;
    if (tab().findFlexFixGroup(Ktx_String(w[1].c_str())))
        return fail("flex group '" + diagnosticWord(w[1]) + "' given twice");
    tab().edit.flexGroups.push_back({w[1], Words(w.begin() + 2, w.end())});
    return true;
}

}  // namespace macro_file_detail
