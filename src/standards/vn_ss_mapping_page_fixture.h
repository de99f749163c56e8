#pragma once
// Test support for the standards mapping page: a library of its own with two small standards
// (A and B, each with a mapping line), and the example end-plate macro as the macro whose
// catalogue is offered.
#include <filesystem>
#include <fstream>
#include <string>

#include "ktx_macro.h"
#include "macro_data.h"
#include "macro_file.h"
#include "macro_settings_data.h"
#include "mapping_file.h"
#include "path_translation.h"
#include "vn_standards_fixture.h"

class MappingPageFixture : public StandardsFixture {
  protected:
    // Variables of both standards: Input Double Width, String Beam; Output Double Height.
    static constexpr const char* kSheet =
        "Input,,\nDouble Width,String Beam,\nOutput,,\nDouble Height,,\nCalc,,\n";

    void SetUp() override {
        StandardsFixture::SetUp();
        writeStandard("A.vns", kSheet);
        writeStandard("B.vns", kSheet);
        writeFile("A.map", mapFile("KA", "W"));
        writeFile("B.map", mapFile("KB", "H"));
        Ktx_String error;
        const std::string file =
            std::string(VN_SOURCE_DIR) + "/examples/macros/endplate_ipe300.macro";
        ASSERT_TRUE(readMacroFile(windowsPathFromHost(file), macro, macroData, error))
            << error.str();
        settings.macro = &macro;
        settings.moduleGroups = {"EndPlate"};
    }

    // A mapping file with one line: Width to the given variable of "End plate", Height to H.
    static std::string mapFile(const std::string& key, const std::string& widthVar) {
        return std::string("Mapping version 1.0\r\n") + key + "=Width\x83" + "End plate\x95" +
               "Distance " + widthVar + "\xBF" + "Height\x83" + "End plate\x95" + "Distance H\r\n";
    }
    void link(std::initializer_list<std::pair<const char*, const char*>> standards) {
        for (const auto& [name, key] : standards) {
            settings.standards.append(name);
            settings.mappingKeys.append(key);
        }
    }
    std::filesystem::path mapPath(const std::string& name) const {
        return lib_ / "Connection Standards" / (name + ".map");
    }
    std::string mapText(const std::string& name) const {
        std::ifstream in(mapPath(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    Ktx_StringArray mapKeys(const std::string& name) const {
        Ktx_StringArray lines;
        readMappingLines(windowsPathFromHost(mapPath(name).string()), lines);
        return mappingLineKeys(lines);
    }

    Ktx_DbMacro macro;
    MacroData macroData;
    MacroSettingsData settings;
};
