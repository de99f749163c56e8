#include "edit_constr_file.h"

#include <algorithm>
#include <functional>
#include <map>

#include "ktx_module.h"
#include "macro_file.h"
#include "text_file.h"

namespace {

using Words = std::vector<std::string>;

// Reads the statements of a design file into a drawing; the first error stops it.
class DesignReader {
  public:
    bool statement(const Words& w, std::string& error);
    Ktx_ConstrDrawing drawing;

  private:
    bool macro(const Words& w, std::string& error);
    bool module(const Words& w, std::string& error);
    bool geom(const Words& w, std::string& error);
    bool constraint(const Words& w, std::string& error);
    bool constraintOption(const Words& w, size_t& i, Ktx_Constraint& c, std::string& error);
    bool cut(const Words& w, std::string& error);
    bool varEq(const Words& w, int kind, std::string& error);
    bool needModule(std::string& error);
    bool hasObject(const std::string& name) const;

    Ktx_MacroDesign* macro_ = nullptr;
    Ktx_Module* module_ = nullptr;
    Ktx_ModuleDesign* design_ = nullptr;
};

bool fail(std::string& error, const std::string& message) {
    error = message;
    return false;
}

bool number(const std::string& word, double& value, std::string& error) {
    if (macroParseNumber(word, value)) return true;
    return fail(error, "'" + word + "' is no number");
}

bool DesignReader::statement(const Words& w, std::string& error) {
    static const std::map<std::string,
                          std::function<bool(DesignReader&, const Words&, std::string&)>>
        handlers = {
            {"macro", &DesignReader::macro},
            {"module", &DesignReader::module},
            {"geom", &DesignReader::geom},
            {"constraint", &DesignReader::constraint},
            {"cut", &DesignReader::cut},
            {"var", [](DesignReader& r, const Words& x,
                       std::string& e) { return r.varEq(x, kVarEqVariable, e); }},
            {"dim", [](DesignReader& r, const Words& x,
                       std::string& e) { return r.varEq(x, kVarEqDimension, e); }},
            {"equation", [](DesignReader& r, const Words& x,
                            std::string& e) { return r.varEq(x, kVarEqEquation, e); }},
        };
    auto found = handlers.find(w[0]);
    if (found == handlers.end()) return fail(error, "unknown statement '" + w[0] + "'");
    return found->second(*this, w, error);
}

bool DesignReader::macro(const Words& w, std::string& error) {
    if (w.size() != 2) return fail(error, "macro needs a name");
    drawing.macros.emplace_back();
    macro_ = &drawing.macros.back();
    macro_->macro.name = w[1];
    module_ = nullptr;
    design_ = nullptr;
    return true;
}

bool DesignReader::module(const Words& w, std::string& error) {
    if (macro_ == nullptr) return fail(error, "module before any macro");
    if (w.size() < 2 || w.size() > 3) return fail(error, "module needs a name and may have a kind");
    static const std::map<std::string, Ktx_ModuleKind> kinds = {
        {"other", Ktx_ModuleKind::kOther},
        {"bolt", Ktx_ModuleKind::kBolt},
        {"profile", Ktx_ModuleKind::kProfile}};
    const std::string kind = w.size() == 3 ? w[2] : "other";
    if (!kinds.contains(kind)) return fail(error, "unknown module kind '" + kind + "'");
    if (macro_->macro.findModule(Ktx_String(w[1])) != nullptr)
        return fail(error, "module '" + w[1] + "' twice");
    Ktx_Module m;
    m.name = w[1];
    m.kind = kinds.at(kind);
    macro_->macro.modules.push_back(m);
    macro_->designs.push_back(Ktx_ModuleDesign{w[1], {}, {}, {}, 0});
    module_ = &macro_->macro.modules.back();
    design_ = &macro_->designs.back();
    return true;
}

bool DesignReader::needModule(std::string& error) {
    return design_ != nullptr || fail(error, "item before any module");
}

bool DesignReader::hasObject(const std::string& name) const {
    return std::any_of(design_->geometry.begin(), design_->geometry.end(),
                       [&](const Ktx_GeomObject& g) { return g.name == name; });
}

bool DesignReader::geom(const Words& w, std::string& error) {
    if (!needModule(error)) return false;
    if (w.size() < 3) return fail(error, "geom needs a name and a kind");
    if (hasObject(w[1])) return fail(error, "object '" + w[1] + "' twice");
    Ktx_GeomObject g{w[1], w[2], true, false};
    for (size_t i = 3; i < w.size(); ++i) {
        if (w[i] == "fixed") {
            g.flexible = false;
        } else if (w[i] == "construction") {
            g.construction = true;
        } else {
            return fail(error, "unknown flag '" + w[i] + "' (fixed or construction)");
        }
    }
    design_->geometry.push_back(g);
    return true;
}

bool DesignReader::constraint(const Words& w, std::string& error) {
    if (!needModule(error)) return false;
    if (w.size() < 2) return fail(error, "constraint needs a kind");
    const int arity = constraintKindArity(w[1]);
    if (arity == 0) return fail(error, "unknown constraint kind '" + w[1] + "'");
    if (w.size() < 2 + static_cast<size_t>(arity))
        return fail(error, w[1] + " needs " + std::to_string(arity) + " object(s)");
    Ktx_Constraint c;
    c.texts[0] = Ktx_String(w[1]);
    for (int k = 0; k < arity; ++k) {
        const std::string& object = w[2 + static_cast<size_t>(k)];
        if (!hasObject(object)) return fail(error, "unknown object '" + object + "'");
        if (k == 1 && object == c.texts[1].str())
            return fail(error, "object '" + object + "' twice in a constraint");
        c.texts[k + 1] = Ktx_String(object);
    }
    for (size_t i = 2 + static_cast<size_t>(arity); i < w.size(); ++i) {
        if (!constraintOption(w, i, c, error)) return false;
    }
    if (c.option > c.optionCount) return fail(error, "option beyond the options");
    if (constraintKindHasValue(w[1]) && c.values.empty()) c.values.push_back(0.0);
    if (!constraintKindHasValue(w[1]) && (c.hasValue() || c.usesVariable()))
        return fail(error, w[1] + " has no value");
    design_->constraints.push_back(c);
    return true;
}

// One item after a constraint's objects: value N, var NAME, options N, option K, reversed,
// cut NAME. i is left on the item's last word.
bool DesignReader::constraintOption(const Words& w, size_t& i, Ktx_Constraint& c,
                                    std::string& error) {
    if (w[i] == "reversed") {
        c.flags |= kConstrReversed;
        return true;
    }
    if (i + 1 >= w.size()) return fail(error, "'" + w[i] + "' needs a word after it");
    const std::string& item = w[i];
    const std::string& arg = w[++i];
    double v = 0.0;
    if (item == "value") {
        if (!number(arg, v, error)) return false;
        c.values = {v};
    } else if (item == "var") {
        c.texts[3] = Ktx_String(arg);
        c.flags |= kConstrUseVariable;
    } else if (item == "options" || item == "option") {
        if (!number(arg, v, error)) return false;
        if (v < 0 || v > 5 || v != static_cast<int>(v)) return fail(error, "options are 0 to 5");
        (item == "options" ? c.optionCount : c.option) = static_cast<int>(v);
    } else if (item == "cut") {
        if (module_->findCut(arg) == nullptr) return fail(error, "unknown cut '" + arg + "'");
        c.cut = arg;
    } else {
        return fail(error, "unknown constraint item '" + item + "'");
    }
    return true;
}

bool DesignReader::cut(const Words& w, std::string& error) {
    if (!needModule(error)) return false;
    if (w.size() != 3) return fail(error, "cut needs a name and a type");
    int type = 0;
    while (type < kCutTypeCount && w[2] != cutTypeKeyword(type)) ++type;
    if (type == kCutTypeCount) return fail(error, "unknown cut type '" + w[2] + "'");
    if (module_->findCut(w[1]) != nullptr) return fail(error, "cut '" + w[1] + "' twice");
    Ktx_CutConstraint c;
    c.name = w[1];
    c.cutType = type;
    module_->cuts.push_back(c);
    return true;
}

bool DesignReader::varEq(const Words& w, int kind, std::string& error) {
    if (!needModule(error)) return false;
    if (w.size() != 3) return fail(error, w[0] + " needs a name and a number");
    double v = 0.0;
    if (!number(w[2], v, error)) return false;
    design_->varsEqs.push_back(Ktx_VarEq{w[1], v, kind});
    return true;
}

// The line starting at `at` (without its line end); `at` moves to the next line.
void nextLine(const std::string& text, size_t& at, std::string& line) {
    const size_t end = text.find_first_of("\r\n", at);
    line = text.substr(at, end == std::string::npos ? std::string::npos : end - at);
    at = end == std::string::npos ? text.size() : end + 1;
    if (end != std::string::npos && text[end] == '\r' && at < text.size() && text[at] == '\n') ++at;
}

}  // namespace

bool parseConstrDrawing(const std::string& text, Ktx_ConstrDrawing& drawing, std::string& error) {
    DesignReader reader;
    size_t at = text.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
    for (int lineNo = 1; at < text.size(); ++lineNo) {
        std::string line;
        nextLine(text, at, line);
        Words words;
        std::string message;
        bool ok = splitMacroFileLine(line, words, message);
        if (ok && !words.empty()) ok = reader.statement(words, message);
        if (!ok) {
            error = "line " + std::to_string(lineNo) + ": " + message;
            return false;
        }
    }
    for (Ktx_MacroDesign& m : reader.drawing.macros) {
        for (Ktx_ModuleDesign& d : m.designs) applyVariables(d);
    }
    drawing.macros = std::move(reader.drawing.macros);
    return true;
}

bool readConstrDrawing(const Ktx_String& path, Ktx_ConstrDrawing& drawing, Ktx_String& error) {
    std::string text;
    if (!coreReadFileBytes(path, text)) {
        error = Ktx_String("cannot read ") + path;
        return false;
    }
    std::string message;
    if (parseConstrDrawing(text, drawing, message)) return true;
    error = path + ": " + Ktx_String(message);
    return false;
}
