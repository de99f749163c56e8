// Constraint design files: reading never fails unsafely, an error names its line, and what was
// read holds together (constraints name objects of their module, options within their count)
// and survives the editor's calls on every module.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "edit_constr_calls.h"
#include "edit_constr_file.h"

namespace {

void check(bool ok) {
    if (!ok) std::abort();
}

void exercise(EditConstrData& data, Ktx_ModuleDesign& design) {
    for (const Ktx_Constraint& c : design.constraints) {
        check(c.option >= 0 && c.option <= c.optionCount && c.optionCount <= 5);
        for (int k = 1; k <= constraintKindArity(c.texts[0].str()); ++k) {
            const std::string object = c.texts[k].str();
            bool found = false;
            for (const Ktx_GeomObject& g : design.geometry) found = found || g.name == object;
            check(found);
        }
    }
    for (int column = 1; column <= 4; ++column)
        check(SortConstraints(data, column, 0) == Acad::eOk);
    for (int i = 0; i < static_cast<int>(design.constraints.size()); ++i) {
        for (int column = 1; column <= 3; ++column) {
            Ktx_StringArray entries;
            std::vector<int> checked;
            if (ConstrContextMenu(data, i, column, entries, checked) != Acad::eOk) continue;
            for (int position : checked) check(position >= 0 && position < entries.length());
            if (entries.length() > 0) ContextMenuAction(data, i, column, entries[0]);
        }
    }
    Ktx_StringArray names;
    std::vector<double> values;
    std::vector<int> kinds;
    for (const Ktx_VarEq& v : design.varsEqs) {
        names.append(Ktx_String(v.name));
        values.push_back(v.value);
        kinds.push_back(v.kind);
    }
    UpdateVarsEqs(data, names, values, kinds);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    const std::string text(reinterpret_cast<const char*>(bytes), size);
    Ktx_ConstrDrawing drawing;
    std::string error;
    if (!parseConstrDrawing(text, drawing, error)) {
        check(error.rfind("line ", 0) == 0 && drawing.macros.empty());
        return 0;
    }
    EditConstrData data;
    data.drawing = &drawing;
    for (int m = 0; m < static_cast<int>(drawing.macros.size()); ++m) {
        data.macro = m;
        Ktx_StringArray modules;
        check(MacroGetModules(data, modules) == Acad::eOk);
        for (int i = 0; i < modules.length(); ++i) {
            data.currentModule = modules[i];
            exercise(data, *data.current());
        }
    }
    return 0;
}
