// Writing macro files in their canonical form.
#include <cstdio>
#include <fstream>
#include <sstream>

#include "macro_file.h"

namespace {

class MacroTextWriter {
  public:
    bool ok = true;
    std::string text;

    // One line of words, each quoted as needed.
    void line(std::initializer_list<std::string> words, const std::string& indent = "") {
        std::string out = indent;
        bool first = true;
        for (const std::string& w : words) {
            if (w.find_first_of("\r\n") != std::string::npos) ok = false;
            out += (first ? "" : " ") + quoteMacroFileWord(w);
            first = false;
        }
        text += out + "\r\n";
    }
    void words(const std::vector<std::string>& ws, const std::string& indent) {
        std::string out = indent;
        for (size_t i = 0; i < ws.size(); ++i) {
            if (ws[i].find_first_of("\r\n") != std::string::npos) ok = false;
            out += (i ? " " : "") + quoteMacroFileWord(ws[i]);
        }
        text += out + "\r\n";
    }
};

const char* kindWord(Ktx_ModuleKind kind) {
    switch (kind) {
        case Ktx_ModuleKind::kBolt:
            return "bolt";
        case Ktx_ModuleKind::kProfile:
            return "profile";
        default:
            return "other";
    }
}

void writeVariables(MacroTextWriter& w, const Ktx_Module& m) {
    for (const Ktx_ConstrVar& v : m.variables) {
        std::vector<std::string> ws = {v.dialog ? "var" : "constr", v.name,
                                       macroNumberText(v.value)};
        if (v.dialog && !v.visible) ws.push_back("hidden");
        if (v.dialog && !v.settable) ws.push_back("fixed");
        w.words(ws, "  ");
    }
}

void writeCuts(MacroTextWriter& w, const Ktx_Module& m) {
    for (const Ktx_CutConstraint& c : m.cuts) {
        std::vector<std::string> ws = {"cut", c.name, cutTypeKeyword(c.cutType)};
        AcArray<int> offsets;
        getCutOffsets(c.cutType, offsets);
        for (int o : offsets)
            ws.push_back(std::string(cutOffsetKeyword(o)) + "=" + macroNumberText(c.offsets[o]));
        w.words(ws, "  ");
    }
}

void writeModule(MacroTextWriter& w, const Ktx_Module& m) {
    if (m.label.empty())
        w.line({"module", m.name, kindWord(m.kind)});
    else
        w.line({"module", m.name, kindWord(m.kind), "label", m.label});
    writeVariables(w, m);
    writeCuts(w, m);
    for (const Ktx_BoltPattern& p : m.patterns) {
        std::vector<std::string> ws = {"pattern", p.name, p.twoDirectional ? "two" : "one"};
        if (p.reverseStart1) ws.push_back("reverse1");
        if (p.twoDirectional && p.reverseStart2) ws.push_back("reverse2");
        w.words(ws, "  ");
    }
    for (const Ktx_Placement& p : m.placements)
        w.line({"placement", p.name, p.sectionName, p.material}, "  ");
    for (const std::string& g : m.memberGroups) w.line({"membergroup", g}, "  ");
}

const char* flexFixWord(const MacroFlexFixButton& b) {
    if (b.fixed) return b.flexible ? "both" : "fixed";
    return b.flexible ? "flexible" : "none";
}

bool holdsEditState(const MacroTabEdit& e) {
    bool fields = false;
    for (const std::string& f : e.boltFields) fields = fields || !f.empty();
    return fields || e.kind != 0 || !e.templatePath.empty() || !e.cells.empty() ||
           !e.boltAssembly.empty() || !e.boltDiameter.empty() || !e.arrays.empty() ||
           !e.cuts.empty() || e.hasBlockList || !e.flexGroups.empty();
}

void writeCells(MacroTextWriter& w, const MacroTabEdit& e) {
    for (const MacroCell& c : e.cells) {
        std::vector<std::string> ws = {"cell", c.name, c.value};
        if (c.readOnly) ws.push_back("readonly");
        if (c.type != 0) ws.push_back("type=" + std::to_string(c.type));
        w.words(ws, "  ");
    }
}

void writeGroups(MacroTextWriter& w, const MacroTabData& t) {
    for (const MacroGroupProps& g : t.groups) {
        w.line({"member", g.groupName, g.memberName, g.sectionName, g.material}, "  ");
        if (!g.offsetType.empty() || !g.rotation.empty())
            w.line({"placing", g.groupName, g.offsetType, g.rotation}, "  ");
        if (g.sectionNames.empty()) continue;
        std::vector<std::string> ws = {"sections", g.groupName};
        ws.insert(ws.end(), g.sectionNames.begin(), g.sectionNames.end());
        w.words(ws, "  ");
    }
}

// The dialog's edit state of a tab, after its bolt data and profile groups.
void writeEditState(MacroTextWriter& w, const MacroTabEdit& e) {
    for (int i = 0; i < 5; ++i)
        if (!e.boltFields[i].empty())
            w.line({"boltfield", std::to_string(i + 1), e.boltFields[i]}, "  ");
    if (!e.boltAssembly.empty() || !e.boltDiameter.empty())
        w.line({"boltassembly", e.boltAssembly, e.boltDiameter}, "  ");
    for (const MacroArray& a : e.arrays) {
        w.line({"array", a.name, std::to_string(a.kind), a.fields[0].value, a.fields[1].value,
                a.fields[2].value, a.fields[3].value, a.count.value},
               "  ");
        for (const MacroArrayField& f : a.entries) w.line({"entry", a.name, f.value}, "  ");
    }
    for (const MacroCut& c : e.cuts) w.line({"cut", c.name, macroNumberText(c.value)}, "  ");
    if (e.hasBlockList) {
        std::vector<std::string> ws = {"blocks"};
        if (!e.currentBlock.empty()) ws.push_back(e.currentBlock);
        w.words(ws, "  ");
    }
    for (const MacroFlexFixGroup& g : e.flexGroups) {
        std::vector<std::string> ws = {"flexgroup", g.name};
        ws.insert(ws.end(), g.members.begin(), g.members.end());
        w.words(ws, "  ");
    }
}

void writeTab(MacroTextWriter& w, const MacroTabData& t) {
    if (!t.bolts && t.groups.empty() && t.flexFix.empty() && !holdsEditState(t.edit))
        return;  // made again on reading
    w.line({"tab", t.name});
    if (t.edit.kind != 0) w.line({"kind", std::to_string(t.edit.kind)}, "  ");
    if (!t.edit.templatePath.empty()) w.line({"template", t.edit.templatePath}, "  ");
    writeCells(w, t.edit);
    if (t.bolts) {
        w.line({"bolts", t.bolts->diameter, t.bolts->holeOffset}, "  ");
        for (const MacroPatternData& p : t.bolts->patterns)
            w.line({"nrbolts", p.name, p.nrBolts1, p.nrBolts2}, "  ");
    }
    writeGroups(w, t);
    for (const MacroFlexFixButton& b : t.flexFix)
        w.line({"flexfix", b.varName, flexFixWord(b)}, "  ");
    writeEditState(w, t.edit);
}

}  // namespace

bool formatMacroText(const Ktx_Macro& macro, const MacroData& data, std::string& text) {
    MacroTextWriter w;
    if (!macro.name.empty()) w.line({"macro", macro.name});
    for (const Ktx_GeneralVariable& g : macro.generalVariables)
        w.line({"general", g.name, macroNumberText(g.value)});
    for (const Ktx_Placement& p : macro.baseProfiles)
        w.line({"profile", p.sectionName, p.material});
    for (const Ktx_Module& m : macro.modules) writeModule(w, m);
    for (const Ktx_ModuleGroup& g : macro.groups) {
        std::vector<std::string> ws = {"group", g.name};
        ws.insert(ws.end(), g.moduleNames.begin(), g.moduleNames.end());
        w.words(ws, "");
    }
    for (const Ktx_StandardLink& s : macro.standards) {
        std::vector<std::string> ws = {"standard", s.name};
        if (!s.mappingKey.empty()) ws.push_back(s.mappingKey);
        w.words(ws, "");
    }
    for (const MacroTabData& t : data.tabs) writeTab(w, t);
    if (!w.ok) return false;
    text = std::move(w.text);
    return true;
}
