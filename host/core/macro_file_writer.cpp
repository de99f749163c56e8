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

void writeTab(MacroTextWriter& w, const MacroTabData& t) {
    if (!t.bolts && t.groups.empty() && t.flexFix.empty()) return;  // made again on reading
    w.line({"tab", t.name});
    if (t.bolts) {
        w.line({"bolts", t.bolts->diameter, t.bolts->holeOffset}, "  ");
        for (const MacroPatternData& p : t.bolts->patterns)
            w.line({"nrbolts", p.name, p.nrBolts1, p.nrBolts2}, "  ");
    }
    for (const MacroGroupProps& g : t.groups)
        w.line({"member", g.groupName, g.memberName, g.sectionName, g.material}, "  ");
    for (const MacroFlexFixButton& b : t.flexFix)
        w.line({"flexfix", b.varName, flexFixWord(b)}, "  ");
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
    for (const MacroTabData& t : data.tabs) writeTab(w, t);
    if (!w.ok) return false;
    text = std::move(w.text);
    return true;
}
