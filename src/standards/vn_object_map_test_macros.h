#pragma once
// Test helpers: the example macros of examples/macros loaded with their macro data, and an
// evaluation data block pointing at them; a map built from its four fields.
#include <gtest/gtest.h>

#include "ktx_macro.h"
#include "macro_data.h"
#include "macro_file.h"
#include "section_table_manager.h"
#include "vn_dlg_standards_data.h"
#include "vn_object_map.h"

struct ExampleMacro {
    Ktx_DbMacro macro;
    MacroData data;
    VnDlgStandardsData block;

    explicit ExampleMacro(const char* fileName, const char* key = "Bracket") {
        Ktx_String error;
        const Ktx_String path = Ktx_String(VN_SOURCE_DIR) + "/examples/macros/" + fileName;
        EXPECT_TRUE(readMacroFile(path, macro, data, error)) << error.c_str();
        block.initialize(&macro, "Std", key, &data);
        gSectionTables.clear();
        gSectionTables.loadFolder(Ktx_String(VN_SOURCE_DIR) + "/examples/library/prof/");
    }
    Ktx_Module* module(const char* name) { return macro.findModule(name); }
    MacroTabData* tab(const char* name) {
        int index = -1;
        return data.findTab(name, index) ? data.getTab(index) : nullptr;
    }
};

inline VnObjectMap makeMap(const char* ssVar, const char* object, VnMapKind kind, const char* var) {
    VnObjectMap m;
    m.ssVarName = ssVar;
    m.objectName = object;
    m.kind = kind;
    m.varName = var;
    return m;
}
