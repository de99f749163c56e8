#include "vn_ss_mapping_page_model.h"

#include <gtest/gtest.h>

#include "core_random.h"
#include "vn_ss_mapping_page_fixture.h"
#include "vn_var_cells.h"

namespace {

class MappingPageModel : public MappingPageFixture {
  protected:
    static VnVarCells sheetCells() {
        VnVarCells cells;
        auto add = [&cells](const char* name, VnCellType section, VnValueType type) {
            VnVarCell c;
            c.name = name;
            c.cellType = section;
            c.valueType = type;
            cells.append(c);
        };
        add("Width", VnCellInput, VnValueDouble);
        add("Beam", VnCellInput, VnValueString);
        add("Height", VnCellOutput, VnValueDouble);
        add("Tmp", VnCellLocal, VnValueDouble);
        return cells;
    }
    // The row of a variable in the laid-out rows.
    static int rowOf(const VnSSMappingPageModel& m, const char* name) {
        for (int r = 0; r < static_cast<int>(m.rows().size()); ++r)
            if (!m.rows()[r].title && m.rows()[r].name == name) return r;
        return -1;
    }
    static Ktx_String chosenText(const VnSSMappingPageModel& m, const char* name) {
        const VnMappingRow& row = m.rows()[rowOf(m, name)];
        return row.chosen < 0 ? Ktx_String() : m.choiceTexts(row)[row.chosen];
    }
};

TEST_F(MappingPageModel, ListsEveryStandardBelowTheFolderWithoutExtension) {
    writeStandard("Childs/C.vns", kSheet);
    EXPECT_EQ(VnSSMappingPageModel::standardChoices(), (Ktx_StringArray{"A", "B", "Childs\\C"}));
    VnSSMappingPageModel model(&settings);
    EXPECT_EQ(model.mapsToChoices(), (Ktx_StringArray{"<Entire macro>", "EndPlate"}));
}

TEST_F(MappingPageModel, TakingTheListKeepsEntireMacroKeysAndMakesGroupKeys) {
    link({{"A", "KA"}, {"B", "Module.Old"}, {"A", "KA2"}, {"B", "KB"}});
    VnSSMappingPageModel model(&settings);
    EXPECT_EQ(model.mapsToText(0), "<Entire macro>");
    EXPECT_EQ(model.mapsToText(1), "Old");
    model.takeList({{"A", "<Entire macro>"},
                    {"B", "<Entire macro>"},
                    {"A", "EndPlate"},
                    {"B", "<Entire macro>"}});
    EXPECT_EQ(settings.mappingKeys, (Ktx_StringArray{"KA", "", "Module.EndPlate", "KB"}));
    EXPECT_TRUE(model.isModified());

    VnSSMappingPageModel same(&settings);
    same.takeList({{"A", "<Entire macro>"},
                   {"B", "<Entire macro>"},
                   {"A", "EndPlate"},
                   {"B", "<Entire macro>"}});
    EXPECT_FALSE(same.isModified());
}

TEST_F(MappingPageModel, ListChangesMoveKeysWithTheirStandardsAndRefuseBadIndices) {
    link({{"A", "KA"}, {"B", "KB"}});
    VnSSMappingPageModel model(&settings);
    EXPECT_FALSE(model.swapStandards(1, 2));
    EXPECT_FALSE(model.removeStandard(2));
    EXPECT_FALSE(model.insertStandard(3));
    EXPECT_FALSE(model.showMapping(2, nullptr));
    EXPECT_FALSE(model.isModified());
    ASSERT_TRUE(model.swapStandards(0, 1));
    EXPECT_EQ(settings.standards, (Ktx_StringArray{"B", "A"}));
    EXPECT_EQ(settings.mappingKeys, (Ktx_StringArray{"KB", "KA"}));
    ASSERT_TRUE(model.insertStandard(2));
    EXPECT_EQ(settings.standards, (Ktx_StringArray{"B", "A", ""}));
    ASSERT_TRUE(model.removeStandard(0));
    EXPECT_EQ(settings.mappingKeys, (Ktx_StringArray{"KA", ""}));
    EXPECT_TRUE(model.isModified());
}

TEST_F(MappingPageModel, OffersEntriesOfTheVariablesTypeFamilyWithTheLinkedOneChosen) {
    link({{"A", "KA"}});
    VnSSMappingPageModel model(&settings);
    const VnVarCells cells = sheetCells();
    ASSERT_TRUE(model.showMapping(0, &cells));
    // Title rows for the sections; Local variables are not shown.
    ASSERT_EQ(model.rows().size(), 5u);
    EXPECT_TRUE(model.rows()[0].title);
    EXPECT_EQ(model.rows()[0].name, "Input");
    EXPECT_EQ(model.rows()[3].name, "Output");
    EXPECT_EQ(rowOf(model, "Tmp"), -1);

    const Ktx_StringArray numbers = model.choiceTexts(model.rows()[rowOf(model, "Width")]);
    EXPECT_TRUE(numbers.contains("End plate.W"));          // Distance: no keyword
    EXPECT_TRUE(numbers.contains("Bolts.BoltsDiameter"));  // no property: no "."
    EXPECT_FALSE(numbers.contains("Prof0.PrPlName"));      // a String kind
    const Ktx_StringArray texts = model.choiceTexts(model.rows()[rowOf(model, "Beam")]);
    EXPECT_TRUE(texts.contains("Prof0.PrPlName"));
    EXPECT_TRUE(texts.contains("Bolts.Rows.PatternNrBolts1"));
    EXPECT_FALSE(texts.contains("End plate.W"));

    EXPECT_EQ(chosenText(model, "Width"), "End plate.W");
    EXPECT_EQ(chosenText(model, "Height"), "End plate.H");
    EXPECT_EQ(chosenText(model, "Beam"), "");
}

TEST_F(MappingPageModel, ModuleGroupAndUnloadedStandardsHaveNoRows) {
    link({{"A", "Module.EndPlate"}, {"A", "KA"}});
    VnSSMappingPageModel model(&settings);
    const VnVarCells cells = sheetCells();
    ASSERT_TRUE(model.showMapping(0, &cells));
    EXPECT_TRUE(model.rows().empty());
    ASSERT_TRUE(model.showMapping(1, nullptr));
    EXPECT_TRUE(model.rows().empty());
}

TEST_F(MappingPageModel, AnUnchangedMappingIsNotWrittenAChangedOneGetsAFreshKeyAtTheEnd) {
    link({{"A", "KA"}});
    VnSSMappingPageModel model(&settings);
    const VnVarCells cells = sheetCells();
    model.showMapping(0, &cells);
    const std::string before = mapText("A");
    EXPECT_EQ(model.saveMapping(), Acad::eOk);
    EXPECT_EQ(mapText("A"), before);
    EXPECT_FALSE(model.isModified());

    ASSERT_TRUE(model.choose(rowOf(model, "Beam"), "Prof0.PrPlName"));
    ASSERT_EQ(model.saveMapping(), Acad::eOk);
    const Ktx_StringArray keys = mapKeys("A");
    ASSERT_EQ(keys.length(), 2);
    EXPECT_EQ(keys[0], "KA");  // the old line stays for other macros
    EXPECT_EQ(keys[1].length(), 24);
    EXPECT_EQ(settings.mappingKeys[0], keys[1]);
    EXPECT_TRUE(model.isModified());

    VnSSMapping stored;
    ASSERT_EQ(stored.getMappingFromFile(VnSSMappingPageModel::standardPath("A"), keys[1]),
              Acad::eOk);
    EXPECT_EQ(stored.mapCount(), 3);
    // Saved once: a second save finds nothing changed.
    const std::string after = mapText("A");
    EXPECT_EQ(model.saveMapping(), Acad::eOk);
    EXPECT_EQ(mapText("A"), after);
}

// Taking a link away leaves a mapping that isEqual to the stored one (it only looks at the
// links present); the change must still be saved.
TEST_F(MappingPageModel, RegressionUnlinkingAVariableIsSaved) {
    link({{"A", "KA"}});
    VnSSMappingPageModel model(&settings);
    const VnVarCells cells = sheetCells();
    model.showMapping(0, &cells);
    ASSERT_TRUE(model.choose(rowOf(model, "Height"), ""));
    ASSERT_EQ(model.saveMapping(), Acad::eOk);
    ASSERT_NE(settings.mappingKeys[0], "KA");
    VnSSMapping stored;
    stored.getMappingFromFile(VnSSMappingPageModel::standardPath("A"), settings.mappingKeys[0]);
    ASSERT_EQ(stored.mapCount(), 1);
    EXPECT_EQ(stored.map(0).ssVarName, "Width");
}

TEST_F(MappingPageModel, KeysAreDrawnAgainWhileUsedAndAFailingSourceSavesNothing) {
    // The same seed gives the same first draw; when that key is used, the next draw is taken.
    setCoreRandomSeed(7);
    const Ktx_String first = VnSSMappingPageModel::freshKey(Ktx_StringArray());
    setCoreRandomSeed(7);
    const Ktx_String second = VnSSMappingPageModel::freshKey(Ktx_StringArray{first});
    EXPECT_EQ(first.length(), 24);
    EXPECT_EQ(second.length(), 24);
    EXPECT_NE(second, first);

    link({{"A", "KA"}});
    VnSSMappingPageModel model(&settings);
    const VnVarCells cells = sheetCells();
    model.showMapping(0, &cells);
    model.choose(rowOf(model, "Beam"), "Prof0.PrPlName");
    setCoreRandomSource([] { return std::optional<std::uint32_t>(); });
    const std::string before = mapText("A");
    EXPECT_EQ(model.saveMapping(), Acad::eInvalidInput);
    EXPECT_EQ(mapText("A"), before);
    EXPECT_EQ(settings.mappingKeys[0], "KA");
}

// A mapping file that cannot be written must not leave the macro with a key that has no line.
TEST_F(MappingPageModel, RegressionAFailedWriteKeepsTheOldKey) {
    link({{"B", "KB"}});
    std::filesystem::remove(mapPath("B"));
    std::filesystem::create_directories(mapPath("B"));  // a folder where the file should go
    VnSSMappingPageModel model(&settings);
    const VnVarCells cells = sheetCells();
    model.showMapping(0, &cells);
    model.choose(rowOf(model, "Width"), "End plate.T");
    EXPECT_EQ(model.saveMapping(), Acad::eInvalidInput);
    EXPECT_EQ(settings.mappingKeys[0], "KB");
}

}  // namespace
