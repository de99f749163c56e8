#include <gtest/gtest.h>

#include "macro_file.h"

namespace {

// Every statement of a tab's edit state and the macro's standards, in canonical form.
const std::string kCanonical =
    "macro EndPlate\r\n"
    "module Plate1 other label Plate\r\n"
    "  var PlateThickness 15\r\n"
    "module Stiff1 profile\r\n"
    "  placement Stiffener PL10*95 S235\r\n"
    "  membergroup Stiffener\r\n"
    "standard EndPlate EndPlateDialog\r\n"
    "standard Childs\\BoltLayout\r\n"
    "tab Plate\r\n"
    "  kind 1\r\n"
    "  template EndPlate\\Plate\r\n"
    "  cell PlateThickness 15\r\n"
    "  cell Stiffened 1 readonly type=5\r\n"
    "  bolts 20 2\r\n"
    "  member Stiffener Stiff PL10*95 S235\r\n"
    "  placing Stiffener Top 90\xB0\r\n"
    "  sections Stiffener PL8*95 PL10*95\r\n"
    "  flexfix PlateWidth flexible\r\n"
    "  boltfield 2 M20\r\n"
    "  boltassembly \"Full set\" 20\r\n"
    "  array Holes 1 10 20 \"\" 30 4\r\n"
    "  entry Holes 11\r\n"
    "  entry Holes 12\r\n"
    "  cut Corner 12.5\r\n"
    "  blocks Cleat\r\n"
    "  flexgroup PlateSize PlateWidth PlateHeight\r\n"
    "tab Stiff1\r\n"
    "  blocks\r\n";

struct Parsed {
    Ktx_Macro macro;
    MacroData data;
    std::string error;
    bool ok = false;
    explicit Parsed(const std::string& text) { ok = parseMacroText(text, macro, data, error); }
};

TEST(MacroFileTabs, EditStateAndStandardsAreReadAndWrittenRoundTrip) {
    Parsed p(kCanonical);
    ASSERT_TRUE(p.ok) << p.error;
    ASSERT_EQ(p.macro.standards.size(), 2u);
    EXPECT_EQ(p.macro.standards[0], (Ktx_StandardLink{"EndPlate", "EndPlateDialog"}));
    EXPECT_EQ(p.macro.standards[1].mappingKey, "");
    MacroTabData& t = p.data.tabs[0];
    EXPECT_EQ(t.edit.kind, 1);
    EXPECT_EQ(t.edit.templatePath, "EndPlate\\Plate");
    MacroCell* check = t.findCellWithName(Ktx_String("Stiffened"));
    ASSERT_NE(check, nullptr);
    EXPECT_TRUE(check->readOnly);
    EXPECT_EQ(check->type, 5);
    EXPECT_EQ(t.edit.boltFields[1], "M20");
    EXPECT_EQ(t.edit.boltAssembly, "Full set");
    MacroGroupProps* g = t.findProfDataWithGroup(Ktx_String("Stiffener"));
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->rotation, "90\xB0");
    EXPECT_EQ(g->sectionNames.size(), 2u);
    MacroArray* a = t.findArrayWithName(Ktx_String("Holes"));
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->fieldOfControlType(20)->value, "4");
    EXPECT_EQ(a->fieldOfControlType(21)->value, "");
    ASSERT_NE(a->getEntry(2), nullptr);
    EXPECT_EQ(a->getEntry(2)->value, "12");
    EXPECT_EQ(a->getEntry(3), nullptr);
    EXPECT_EQ(t.findFlexFixGroup(Ktx_String("PlateSize"))->members.size(), 2u);
    EXPECT_TRUE(p.data.tabs[1].edit.hasBlockList);
    EXPECT_EQ(p.data.tabs[1].edit.currentBlock, "");

    std::string text;
    ASSERT_TRUE(formatMacroText(p.macro, p.data, text));
    EXPECT_EQ(text, kCanonical);
}

TEST(MacroFileTabs, MalformedTabItemsNameTheirLine) {
    const std::string head = "module M other\ntab M\n";
    const std::pair<const char*, const char*> cases[] = {
        {"  kind 4\n", "line 3: a tab kind is 0, 1, 2 or 3"},
        // Regression: a number far beyond int's range was converted before its range check.
        {"  kind 1e77\n", "line 3: a tab kind is 0, 1, 2 or 3"},
        {"  kind 1\n  kind 2\n", "line 4: a tab has one 'kind' line"},
        {"  boltfield 6 x\n", "line 3: bolt fields are numbered 1 to 5"},
        {"  boltfield 1 x\n  boltfield 1.0 y\n", "line 4: a tab has one 'boltfield 1' line"},
        {"  entry Holes 3\n", "line 3: array 'Holes' needs an 'array' line before it"},
        {"  placing G Top 0\n", "line 3: member group 'G' needs a 'member' line before it"},
        {"  cell A 1\n  cell A 2\n", "line 4: cell 'A' given twice"},
        {"  cell A 1 check\n", "line 3: unknown cell flag 'check' (readonly or type=N)"},
        {"  cut C wide\n", "line 3: 'wide' is not a number"},
    };
    for (const auto& [items, message] : cases) {
        Parsed p(head + items);
        EXPECT_FALSE(p.ok) << items;
        EXPECT_EQ(p.error, message) << items;
    }
    Parsed twice("standard EndPlate K\nstandard EndPlate K\n");
    EXPECT_EQ(twice.error, "line 2: standard 'EndPlate' linked twice");
}

TEST(MacroFileTabs, UpdatingKeepsCommentsAroundChangedCellsAndStandards) {
    const std::string file =
        "macro M   # the macro\n"
        "module Plate1 other label Plate\n"
        "  var T 15\n"
        "standard EndPlate Old   # its key\n"
        "tab Plate\n"
        "  template EndPlate\\Plate   # the picture\n"
        "  cell T 15       # thickness\n";
    Parsed p(file);
    ASSERT_TRUE(p.ok) << p.error;
    p.data.tabs[0].findCellWithName(Ktx_String("T"))->value = "20";
    p.macro.standards[0].mappingKey = "New";
    std::string text;
    ASSERT_TRUE(updateMacroText(file, p.macro, p.data, text));
    EXPECT_EQ(text,
              "macro M   # the macro\n"
              "module Plate1 other label Plate\n"
              "  var T 15\n"
              "standard EndPlate New   # its key\n"
              "tab Plate\n"
              "  template EndPlate\\Plate   # the picture\n"
              "  cell T 20       # thickness\n");
}

}  // namespace
