#include "edit_constr_calls.h"

#include <gtest/gtest.h>

#include <string_view>

#include "edit_constr_file.h"
#include "path_translation.h"
#include "win_driver.h"

namespace {

using namespace std::literals;

class EditConstrCalls : public ::testing::Test {
  protected:
    void SetUp() override {
        Ktx_String error;
        ASSERT_TRUE(readConstrDrawing(
            Ktx_String(std::string(VN_SOURCE_DIR) + "/examples/macros/base_plate.constr"), drawing,
            error))
            << error.str();
        data.drawing = &drawing;
        data.currentModule = "Plate";
    }
    Ktx_ModuleDesign& plate() { return *data.current(); }
    std::vector<std::string> kinds() {
        std::vector<std::string> k;
        for (const Ktx_Constraint& c : plate().constraints) k.push_back(c.texts[0].str());
        return k;
    }

    Ktx_ConstrDrawing drawing;
    EditConstrData data;
};

TEST_F(EditConstrCalls, TheExampleDrawingReadsWithVariablesDrivingItsDimensions) {
    ASSERT_EQ(drawing.macros.size(), 2u);
    Ktx_StringArray modules;
    ASSERT_EQ(MacroGetModules(data, modules), Acad::eOk);
    EXPECT_EQ(modules, (Ktx_StringArray{"Plate", "Anchors", "Stiffener"}));
    EXPECT_EQ(ConstraintRowTexts(plate().constraints[2]),
              (Ktx_StringArray{"Distance", "Bottom", "Top", "H"}));
    EXPECT_EQ(plate().constraints[2].values, std::vector<double>{400});
    EXPECT_EQ(ConstraintRowTexts(plate().constraints[5]),
              (Ktx_StringArray{"Radius", "Hole", "", "11"}));
    EXPECT_EQ(plate().constraints[5].cut, "Corner");
}

TEST_F(EditConstrCalls, DesignFileErrorsNameTheLineAndLeaveTheDrawing) {
    const struct {
        std::string_view text;
        const char* error;
    } cases[] = {
        {"macro M\nmodule A\ngeom L line\nconstraint Parallel L L9\n",
         "line 4: unknown object 'L9'"},
        {"geom L line\n", "line 1: item before any module"},
        {"macro M\nmodule A\ngeom L line\nconstraint Parallel L L\n",
         "line 4: object 'L' twice in a constraint"},
        {"macro M\nmodule A\ngeom L line\nconstraint Radius L options 2 option 3\n",
         "line 4: option beyond the options"},
        {"macro M\nmodule A\ngeom L line\ngeom K line\nconstraint Parallel L K value 3\n",
         "line 5: Parallel has no value"},
        {"macro M\nmodule A\nvar W \"ten\"\n", "line 3: 'ten' is no number"},
        // Regression: a module named with a NUL byte was read, then not found by its name.
        {"macro M\nmodule A\x14\0\0\n"sv, "line 2: a NUL byte in the line"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(parseConstrDrawing(std::string(c.text), drawing, error));
        EXPECT_EQ(error, c.error);
    }
    EXPECT_EQ(drawing.macros.size(), 2u);
}

TEST_F(EditConstrCalls, RemovingAndRenamingAModuleKeepTheMacroConsistent) {
    drawing.macros[0].macro.groups.push_back({"Plates", {"Plate", "Stiffener"}});
    EXPECT_EQ(RenameModule(data, "Plate", "Stiffener"), Acad::eDuplicateKey);
    EXPECT_EQ(RenameModule(data, "Plate", ""), Acad::eInvalidInput);
    ASSERT_EQ(RenameModule(data, "Plate", "Base"), Acad::eOk);
    EXPECT_EQ(data.currentModule, "Base");
    ASSERT_NE(data.current(), nullptr);
    EXPECT_EQ(data.current()->constraints.size(), 7u);
    EXPECT_EQ(drawing.macros[0].macro.groups[0].moduleNames,
              (std::vector<std::string>{"Base", "Stiffener"}));
    ASSERT_EQ(RemoveModule(data, "Stiffener"), Acad::eOk);
    EXPECT_EQ(RemoveModule(data, "Stiffener"), Acad::eKeyNotFound);
    EXPECT_EQ(drawing.macros[0].macro.groups[0].moduleNames, std::vector<std::string>{"Base"});
    EXPECT_EQ(drawing.macros[0].designs.size(), 2u);
}

TEST_F(EditConstrCalls, ConstraintCommandsPickTheirObjectsInTheDrawing) {
    winQueueMenuChoice("Left");
    winQueueMenuChoice("Top");
    ASSERT_EQ(StartMacroCommand(data, 7), Acad::eOk);
    const Ktx_Constraint& added = plate().constraints.back();
    EXPECT_EQ(ConstraintRowTexts(added), (Ktx_StringArray{"Distance", "Left", "Top", "100"}));
    EXPECT_EQ(added.optionCount, 3);
    // The second pick offers every object but the first.
    ASSERT_EQ(winPopupMenus().size(), 2u);
    EXPECT_EQ(winPopupMenus()[1].items.size(), plate().geometry.size() - 1);
    // A dismissed pick adds nothing.
    EXPECT_EQ(StartMacroCommand(data, 0), Acad::eNotApplicable);
    EXPECT_EQ(plate().constraints.size(), 8u);
    EXPECT_EQ(StartMacroCommand(data, 14), Acad::eInvalidInput);
}

TEST_F(EditConstrCalls, AddingAModuleTakesTheFirstFreeNumberAndGoesLast) {
    drawing.macros[0].macro.modules[1].name = "Module4";
    drawing.macros[0].designs[1].module = "Module4";
    ASSERT_EQ(StartMacroCommand(data, 11), Acad::eOk);
    Ktx_StringArray modules;
    MacroGetModules(data, modules);
    EXPECT_EQ(modules, (Ktx_StringArray{"Plate", "Module4", "Stiffener", "Module5"}));
}

TEST_F(EditConstrCalls, SortingIsStableAndOrdersNumbersByValue) {
    ASSERT_EQ(SortConstraints(data, 1, 0), Acad::eOk);
    EXPECT_EQ(kinds(),
              (std::vector<std::string>{"Distance", "Distance", "Parallel", "Perpendicular",
                                        "Radius", "Symmetric", "Tangent"}));
    // The two distances keep their order (H before W).
    EXPECT_EQ(plate().constraints[0].texts[3], "H");
    ASSERT_EQ(SortConstraints(data, 4, 1), Acad::eOk);
    EXPECT_EQ(ConstraintRowTexts(plate().constraints.back())[3], "W");
    EXPECT_EQ(plate().sortColumn, 4);
    EXPECT_EQ(SortConstraints(data, 5, 4), Acad::eInvalidInput);
}

TEST_F(EditConstrCalls, ContextMenuOffersKindsOfTheSameArityOrTheObjects) {
    Ktx_StringArray entries;
    std::vector<int> checked;
    ASSERT_EQ(ConstrContextMenu(data, 4, 1, entries, checked), Acad::eOk);  // Symmetric, reversed
    EXPECT_EQ(entries.length(), 11);
    EXPECT_EQ(entries[9], "%BREAK%");
    EXPECT_EQ(checked, (std::vector<int>{3, 10}));
    ASSERT_EQ(ConstrContextMenu(data, 0, 3, entries, checked), Acad::eOk);
    EXPECT_EQ(entries.length(), 6);
    EXPECT_EQ(checked, std::vector<int>{1});  // Right
    EXPECT_EQ(ConstrContextMenu(data, 5, 3, entries, checked), Acad::eNotApplicable);
    EXPECT_EQ(ConstrContextMenu(data, 0, 4, entries, checked), Acad::eNotApplicable);

    EXPECT_EQ(ContextMenuAction(data, 0, 3, "Bottom"), Acad::eInvalidInput);  // both the same
    ASSERT_EQ(ContextMenuAction(data, 0, 3, "Left"), Acad::eOk);
    ASSERT_EQ(ContextMenuAction(data, 0, 1, "Distance"), Acad::eOk);
    EXPECT_EQ(ConstraintRowTexts(plate().constraints[0]),
              (Ktx_StringArray{"Distance", "Bottom", "Left", "0"}));
    EXPECT_EQ(ContextMenuAction(data, 0, 1, "Radius"), Acad::eInvalidInput);
}

TEST_F(EditConstrCalls, VariablesDriveTheConstraintsThatNameThem) {
    EXPECT_TRUE(VarNameInUse(data, "w", 2));
    EXPECT_FALSE(VarNameInUse(data, "W", 3));
    ASSERT_EQ(
        UpdateVarsEqs(data, {"W", "H", "", "Edge = W / 4"}, {250, 410, 1, 62.5}, {0, 1, 0, 2}),
        Acad::eOk);
    EXPECT_EQ(plate().varsEqs.size(), 3u);  // the row without a name is left out
    EXPECT_EQ(plate().constraints[3].values[0], 250);
    EXPECT_EQ(plate().constraints[2].values[0], 410);
    EXPECT_EQ(UpdateVarsEqs(data, {"W", "w"}, {1, 2}, {0, 1}), Acad::eDuplicateKey);
    EXPECT_EQ(UpdateVarsEqs(data, {"W"}, {1}, {3}), Acad::eInvalidInput);
    EXPECT_EQ(plate().varsEqs.size(), 3u);

    // A constraint given a new variable adds it as a dimension value.
    Ktx_Constraint& radius = plate().constraints[5];
    radius.flags |= kConstrUseVariable;
    radius.texts[3] = "R";
    ASSERT_EQ(UpdateConstraint(data, 5), Acad::eOk);
    EXPECT_EQ(plate().varsEqs.back(), (Ktx_VarEq{"R", 11, kVarEqDimension}));
}

TEST_F(EditConstrCalls, DrawingSideEffectsAreLoggedInOrder) {
    ASSERT_EQ(HighlightConstraint(data, 2), Acad::eOk);
    EXPECT_EQ(drawing.highlighted, std::vector<int>{2});
    ASSERT_EQ(StartEditMacroCutDlg(data, 5), Acad::eOk);
    EXPECT_EQ(StartEditMacroCutDlg(data, 0), Acad::eKeyNotFound);
    ASSERT_EQ(UpdateGeomFlexibility(data, 0, true), Acad::eOk);
    ASSERT_EQ(UpdateConstrGeom(data, 1, true), Acad::eOk);
    ASSERT_EQ(UnHighlightConstraints(data), Acad::eOk);
    EXPECT_TRUE(drawing.highlighted.empty());
    EXPECT_EQ(drawing.log,
              (std::vector<std::string>{"highlight constraint Plate 2", "edit cut Plate Corner",
                                        "flexible object Plate 0", "construction object Plate 1",
                                        "unhighlight constraints"}));
    EXPECT_TRUE(plate().geometry[0].flexible);
    EXPECT_TRUE(plate().geometry[1].construction);
}

TEST_F(EditConstrCalls, SelectingAnotherMacroOffersTheOthersOfTheDrawing) {
    winQueueMenuChoice("Cap plate");
    ASSERT_EQ(SelectOtherMacro(data), Acad::eOk);
    EXPECT_EQ(data.macro, 1);
    EXPECT_EQ(data.currentModule, "Cap");
    EXPECT_EQ(winPopupMenus()[0].items.size(), 1u);
    EXPECT_EQ(SelectOtherMacro(data), Acad::eNotApplicable);  // dismissed
    EXPECT_EQ(data.macro, 1);
}

}  // namespace
