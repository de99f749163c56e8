// Reading macro files: one statement per line, items belonging to the last "module" or "tab".
#include "macro_file.h"

#include <string_view>

#include "diagnostic_text.h"
#include "macro_file_parser.h"
#include "text_lines.h"

namespace macro_file_detail {

bool MacroFileParser::parse(const std::string& text, std::string& error) {
    std::string lineText;  // the buffers are reused from line to line
    Words words;
    std::string splitError;
    for (std::string_view line : textLines(textWithoutUtf8Mark(text))) {
        ++line_;
        lineText.assign(line);
        if (!splitMacroFileLine(lineText, words, splitError)) fail(splitError);
        if (error_.empty() && !words.empty()) statement(words);
        if (!error_.empty()) break;
    }
    if (error_.empty()) checkGroups();
    if (error_.empty()) addMissingTabs();
    error = error_;
    return error_.empty();
}

bool MacroFileParser::fail(const std::string& message) {
    if (error_.empty()) error_ = "line " + std::to_string(line_) + ": " + message;
    return false;
}

bool MacroFileParser::argCount(const Words& w, size_t min, size_t max) {
    if (w.size() - 1 >= min && w.size() - 1 <= max) return true;
    return fail("'" + diagnosticWord(w[0]) + "' takes " + std::to_string(min) +
                (max == min ? ""
                 : max > 99 ? " or more"
                            : " to " + std::to_string(max)) +
                " values, found " + std::to_string(w.size() - 1));
}

bool MacroFileParser::number(const std::string& text, double& value) {
    if (macroParseNumber(text, value)) return true;
    return fail("'" + diagnosticWord(text) + "' is not a number");
}

bool MacroFileParser::statement(const Words& w) {
    const std::string_view k = w[0];  // compared with each keyword by length first
    if (k == "macro") return onMacro(w);
    if (k == "general") return onGeneral(w);
    if (k == "profile") return onProfile(w);
    if (k == "group") return onGroup(w);
    if (k == "module") return onModule(w);
    if (k == "tab") return onTab(w);
    if (k == "standard") return onStandard(w);
    if (scope_ == Scope::kModule) return moduleItem(w);
    if (scope_ == Scope::kTab) return tabItem(w);
    return fail("unknown statement '" + diagnosticWord(w[0]) +
                "' (module and tab items need a module or tab first)");
}

bool MacroFileParser::moduleItem(const Words& w) {
    const std::string_view k = w[0];  // compared with each keyword by length first
    if (k == "var") return onVar(w, true);
    if (k == "constr") return onVar(w, false);
    if (k == "cut") return onCut(w);
    if (k == "pattern") return onPattern(w);
    if (k == "placement") return onPlacement(w);
    if (k == "membergroup") return onMemberGroup(w);
    return fail("unknown module item '" + diagnosticWord(w[0]) + "'");
}

bool MacroFileParser::onMacro(const Words& w) {
    if (!argCount(w, 1, 1)) return false;
    if (scope_ != Scope::kTop || !macro.name.empty())
        return fail("'macro' must come once, before modules and tabs");
    macro.name = w[1];
    return true;
}

bool MacroFileParser::onGeneral(const Words& w) {
    double value = 0.0;
    if (!argCount(w, 2, 2) || !number(w[2], value)) return false;
    for (const Ktx_GeneralVariable& g : macro.generalVariables)
        if (g.name == w[1])
            return fail("general variable '" + diagnosticWord(w[1]) + "' declared twice");
    if (w[1].empty()) return fail("a general variable needs a name");
    macro.generalVariables.push_back({w[1], value});
    return true;
}

bool MacroFileParser::onProfile(const Words& w) {
    if (!argCount(w, 1, 2)) return false;
    Ktx_Placement p;
    p.name = "Prof" + std::to_string(macro.baseProfiles.size());
    p.sectionName = w[1];
    if (w.size() > 2) p.material = w[2];
    macro.baseProfiles.push_back(p);
    return true;
}

bool MacroFileParser::onGroup(const Words& w) {
    if (!argCount(w, 2, 1000)) return false;
    for (const Ktx_ModuleGroup& g : macro.groups)
        if (g.name == w[1])
            return fail("module group '" + diagnosticWord(w[1]) + "' declared twice");
    macro.groups.push_back({w[1], Words(w.begin() + 2, w.end())});
    groupLines_.push_back(line_);
    return true;
}

bool MacroFileParser::checkGroups() {
    for (size_t i = 0; i < macro.groups.size(); ++i) {
        for (const std::string& m : macro.groups[i].moduleNames) {
            if (macro.findModule(Ktx_String(m.c_str()))) continue;
            line_ = groupLines_[i];
            return fail("module group '" + diagnosticWord(macro.groups[i].name) +
                        "' names unknown module '" + diagnosticWord(m) + "'");
        }
    }
    return true;
}

// Every module has a tab in the macro data (named after its label, or its name without one).
void MacroFileParser::addMissingTabs() {
    for (const Ktx_Module& m : macro.modules) {
        const std::string& tabName = m.label.empty() ? m.name : m.label;
        int index = 0;
        if (data.findTab(Ktx_String(tabName), index)) continue;
        MacroTabData t;
        t.name = tabName;
        data.tabs.push_back(std::move(t));
    }
}

bool MacroFileParser::onModule(const Words& w) {
    if (!argCount(w, 2, 4)) return false;
    if (w.size() == 4 || (w.size() == 5 && w[3] != "label"))
        return fail("'module' takes a name, a kind and optionally: label TEXT");
    if (w[1].empty()) return fail("a module needs a name");
    if (macro.findModule(Ktx_String(w[1].c_str())))
        return fail("module '" + diagnosticWord(w[1]) + "' declared twice");
    Ktx_Module m;
    m.name = w[1];
    if (w[2] == "bolt")
        m.kind = Ktx_ModuleKind::kBolt;
    else if (w[2] == "profile")
        m.kind = Ktx_ModuleKind::kProfile;
    else if (w[2] == "other")
        m.kind = Ktx_ModuleKind::kOther;
    else
        return fail("unknown module kind '" + diagnosticWord(w[2]) + "' (bolt, profile or other)");
    if (w.size() == 5) m.label = w[4];
    macro.modules.push_back(std::move(m));
    scope_ = Scope::kModule;
    return true;
}

bool MacroFileParser::onVar(const Words& w, bool dialog) {
    if (!argCount(w, 2, dialog ? 4 : 2)) return false;
    Ktx_ConstrVar v;
    v.name = w[1];
    v.dialog = dialog;
    if (!number(w[2], v.value)) return false;
    for (size_t i = 3; i < w.size(); ++i) {
        if (w[i] == "hidden")
            v.visible = false;
        else if (w[i] == "fixed")
            v.settable = false;
        else
            return fail("unknown variable flag '" + diagnosticWord(w[i]) + "' (hidden or fixed)");
    }
    if (v.name.empty()) return fail("a variable needs a name");
    if (module().findVariable(v.name))
        return fail("variable '" + diagnosticWord(v.name) + "' declared twice");
    module().variables.push_back(std::move(v));
    return true;
}

bool MacroFileParser::onCut(const Words& w) {
    if (!argCount(w, 2, 11)) return false;
    Ktx_CutConstraint c;
    c.name = w[1];
    c.cutType = -1;
    for (int t = 0; t < kCutTypeCount; ++t)
        if (w[2] == cutTypeKeyword(t)) c.cutType = t;
    if (c.cutType < 0) return fail("unknown cut type '" + diagnosticWord(w[2]) + "'");
    AcArray<int> allowed;
    getCutOffsets(c.cutType, allowed);
    for (size_t i = 3; i < w.size(); ++i) {
        size_t eq = w[i].find('=');
        std::string key = w[i].substr(0, eq);
        int offset = -1;
        for (int o = 0; o < kCutOffsetTypeCount; ++o)
            if (key == cutOffsetKeyword(o)) offset = o;
        if (eq == std::string::npos || offset < 0 || !allowed.contains(offset))
            return fail("'" + diagnosticWord(w[i]) + "' is no offset of a " + diagnosticWord(w[2]) +
                        " cut");
        if (!number(w[i].substr(eq + 1), c.offsets[offset])) return false;
    }
    if (module().findCut(c.name))
        return fail("cut '" + diagnosticWord(c.name) + "' declared twice");
    module().cuts.push_back(c);
    return true;
}

bool MacroFileParser::onPattern(const Words& w) {
    if (!argCount(w, 2, 4)) return false;
    if (!module().isBoltModule()) return fail("patterns belong to bolt modules");
    Ktx_BoltPattern p;
    p.name = w[1];
    if (w[2] != "one" && w[2] != "two") return fail("a pattern is 'one' or 'two' directional");
    p.twoDirectional = w[2] == "two";
    for (size_t i = 3; i < w.size(); ++i) {
        if (w[i] == "reverse1")
            p.reverseStart1 = true;
        else if (w[i] == "reverse2" && p.twoDirectional)
            p.reverseStart2 = true;
        else
            return fail("unknown pattern flag '" + diagnosticWord(w[i]) + "'");
    }
    if (module().findPatternByName(p.name))
        return fail("pattern '" + diagnosticWord(p.name) + "' declared twice");
    p.id = static_cast<int>(module().patterns.size()) + 1;
    module().patterns.push_back(p);
    return true;
}

bool MacroFileParser::onPlacement(const Words& w) {
    if (!argCount(w, 2, 3)) return false;
    if (module().findPlacement(w[1]))
        return fail("placement '" + diagnosticWord(w[1]) + "' declared twice");
    module().placements.push_back({w[1], w[2], w.size() > 3 ? w[3] : std::string()});
    return true;
}

bool MacroFileParser::onMemberGroup(const Words& w) {
    if (!argCount(w, 1, 1)) return false;
    if (!module().isProfileModule()) return fail("member groups belong to profile modules");
    module().memberGroups.push_back(w[1]);
    return true;
}

}  // namespace macro_file_detail

bool parseMacroText(const std::string& text, Ktx_Macro& macro, MacroData& data,
                    std::string& error) {
    macro_file_detail::MacroFileParser parser;
    if (!parser.parse(text, error)) return false;
    macro = std::move(parser.macro);
    data = std::move(parser.data);
    return true;
}
