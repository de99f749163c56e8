#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core_reset.h"
#include "macro_core_hooks.h"
#include "macro_file.h"
#include "macro_prop_file.h"

namespace {

namespace fs = std::filesystem;

const char* kMacro =
    "macro EndPlate\n"
    "module Plate1 other label Plate\n"
    "  var PlateThickness 15\n"
    "  var EdgeTop 40 fixed\n"
    "  placement Stiffener PL10 S235\n"
    "standard EndPlate EndPlateDialog\n"
    "standard Childs\\Extra\n"
    "tab Plate\n"
    "  cell PlateThickness 15\n"
    "  cell EdgeTop 40 readonly\n"
    "  bolts 20 2\n"
    "  member Stiffener Stiff PL10 S235\n"
    "  array Holes 1 a b c d 2\n"
    "  entry Holes 11\n";

struct Edit {
    Ktx_Macro macro;
    MacroData data;
    Edit() {
        std::string error;
        EXPECT_TRUE(parseMacroText(kMacro, macro, data, error)) << error;
        data.edit.macros.push_back(&macro);
    }
    MacroCell& cell(const char* name) { return *data.tabs[0].findCellWithName(Ktx_String(name)); }
    double var(const char* name) { return macro.modules[0].findVariable(name)->value; }
};

class MacroDataApply : public ::testing::Test {
  protected:
    void SetUp() override {
        coreResetForTests();
        file_ = (fs::temp_directory_path() / ("vn_props_" + std::to_string(getpid()) + ".mpr"))
                    .string();
    }
    void TearDown() override {
        fs::remove(file_);
        setMacroStandardsEvaluator(nullptr);
    }
    std::string file_;
};

TEST_F(MacroDataApply, PropertyFileCarriesValuesToAnotherMacroWhichSetAllToMacroApplies) {
    Edit source;
    source.cell("PlateThickness").value = "25";
    source.data.tabs[0].groups[0].sectionName = "PL12";
    source.data.tabs[0].edit.arrays[0].entries[0].value = "44";
    ASSERT_TRUE(source.data.writeToFile(Ktx_String(file_.c_str())));

    Edit target;
    target.data.tabs[0].edit.arrays[0].entries.clear();  // this macro's array has no entry 1
    Ktx_StringArray notApplied;
    ASSERT_TRUE(target.data.readFromFile(Ktx_String(file_.c_str()), notApplied));
    ASSERT_EQ(notApplied.length(), 1);
    EXPECT_EQ(notApplied[0], Ktx_String("Plate: Holes"));
    EXPECT_EQ(target.cell("PlateThickness").value, "25");
    EXPECT_EQ(target.var("PlateThickness"), 15.0);  // reading alone leaves the macro

    EXPECT_EQ(target.data.setAllToMacro(), Acad::eOk);
    EXPECT_EQ(target.var("PlateThickness"), 25.0);
    EXPECT_EQ(target.var("EdgeTop"), 40.0);
    EXPECT_EQ(target.macro.modules[0].findPlacement("Stiffener")->sectionName, "PL12");
}

TEST_F(MacroDataApply, DamagedPropertyFilesAreRefusedWithTheirLineAndChangeNothing) {
    const std::pair<std::string, std::string> cases[] = {
        {"Macro settings\r\n", "line 1: not a macro property file"},
        {"", "line 0: not a macro property file"},
        {std::string(kMacroPropHeader) + "\ncell T 1\n", "line 2: values need a 'tab' line first"},
        {std::string(kMacroPropHeader) + "\ntab Plate\narray Holes 1\n",
         "line 3: 'array' takes 3 values"},
        {std::string(kMacroPropHeader) + "\ntab Plate\nweld A 3\n", "line 3: unknown item 'weld'"},
    };
    for (const auto& [text, message] : cases) {
        std::vector<MacroPropItem> items;
        std::string error;
        EXPECT_FALSE(parseMacroPropText(text, items, error));
        EXPECT_EQ(error, message);
    }
    std::ofstream(file_, std::ios::binary) << "Macro properties version 1.0\ntab Plate\ncut\n";
    Edit e;
    Ktx_StringArray notApplied;
    Ktx_String error;
    EXPECT_FALSE(e.data.readFromFile(Ktx_String(file_.c_str()), notApplied, &error));
    EXPECT_NE(error.str().find("line 3"), std::string::npos) << error.str();
}

TEST_F(MacroDataApply, LoadFromStandardsEvaluatesEveryLinkedStandardWithItsKey) {
    Edit e;
    EXPECT_EQ(e.data.loadFromStandards(), Acad::eNotApplicable);
    std::vector<std::string> calls;
    setMacroStandardsEvaluator(
        [&](Ktx_Macro& macro, const Ktx_String& standard, const Ktx_String& key, MacroData&) {
            calls.push_back(standard.str() + "|" + key.str());
            if (standard == Ktx_String("Childs\\Extra")) return Acad::eInvalidInput;
            macro.modules[0].findVariable("PlateThickness")->value = 30;
            return Acad::eOk;
        });
    EXPECT_EQ(e.data.loadFromStandards(), Acad::eInvalidInput);  // the failure is reported
    EXPECT_EQ(calls, (std::vector<std::string>{"EndPlate|EndPlateDialog", "Childs\\Extra|"}));
    EXPECT_EQ(e.cell("PlateThickness").value, "30");  // the tab shows what the macro holds
}

TEST_F(MacroDataApply, SelectingOtherMacrosSwitchesOnlyWhenTheSelectionChanged) {
    Edit first, second;
    second.macro.modules[0].findVariable("PlateThickness")->value = 8;
    first.data.edit.currentGroup = "Plates";
    EXPECT_FALSE(first.data.SelectOtherMacros());  // no selector: nothing to pick from
    setMacroSelector([](std::vector<Ktx_Macro*>&) { return true; });
    EXPECT_FALSE(first.data.SelectOtherMacros());  // the same macros
    setMacroSelector([&](std::vector<Ktx_Macro*>& m) {
        m = {&second.macro};
        return true;
    });
    EXPECT_TRUE(first.data.SelectOtherMacros());
    EXPECT_EQ(first.data.edit.macros, (std::vector<Ktx_Macro*>{&second.macro}));
    EXPECT_EQ(first.data.edit.currentGroup, "");
    EXPECT_EQ(first.cell("PlateThickness").value, "8");
}

}  // namespace

namespace {

TEST_F(MacroDataApply, DifferencesOfGroupsArraysBoltsAndBlocksReachTheTabAndThePlacement) {
    Edit e;
    MacroTabData before = e.data.tabs[0];
    MacroTabData after = before;
    after.groups[0].sectionName = "PL12";
    after.groups[0].rotation = "90\xB0";
    after.edit.arrays[0].fields[2].value = "z";
    after.edit.arrays[0].entries[0].value = "12";
    after.edit.boltDiameter = "24";
    const MacroDifferences d = differences(before, after);
    ASSERT_EQ(d.size(), 5u);
    EXPECT_EQ(d[0].kind, MacroDifference::kBoltDiameter);
    EXPECT_EQ(d[1].kind, MacroDifference::kProfileName);
    EXPECT_EQ(d[2].kind, MacroDifference::kProfileRotation);
    EXPECT_EQ(d[3].field, "3");
    EXPECT_EQ(d[4].field, "entry1");

    EXPECT_EQ(UpdateModule(Ktx_String("Plate"), e.data, d), Acad::eOk);
    const MacroTabData& tab = e.data.tabs[0];
    EXPECT_EQ(e.macro.modules[0].findPlacement("Stiffener")->sectionName, "PL12");
    EXPECT_EQ(tab.groups[0].rotation, "90\xB0");
    EXPECT_EQ(tab.edit.arrays[0].fields[2].value, "z");
    EXPECT_EQ(tab.edit.arrays[0].entries[0].value, "12");
    EXPECT_EQ(tab.bolts->diameter, "24");  // the bolt data the standards read follows
}

}  // namespace
