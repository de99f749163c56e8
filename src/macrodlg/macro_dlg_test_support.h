#pragma once
// Shared pieces of the macro dialog tests: an end-plate macro whose first tab shows the
// example template "EndPlate\\Plate" (and whose second the bolt template), read from the
// example library.
#include <gtest/gtest.h>

#include <string>

#include "core.h"
#include "frame.h"
#include "macro_file.h"
#include "path_translation.h"
#include "win_driver.h"

inline const char* const kEndPlateMacroText =
    "macro EndPlate\n"
    "module Plate1 other label \"End plate\"\n"
    "  var PlateHeight 380\n"
    "  var PlateWidth 200\n"
    "  var PlateThickness 15\n"
    "  var EdgeDist 40\n"
    "  var Stiffened 0\n"
    "  var Clearance 2\n"
    "  var Gap 10\n"
    "module Bolts1 bolt label Bolts\n"
    "  var Pitch 70\n"
    "  pattern Rows two\n"
    "tab \"End plate\"\n"
    "  flexfix PlateWidth flexible\n"
    "  flexfix PlateHeight fixed\n"
    "tab Bolts\n"
    "  bolts M20 2\n"
    "  nrbolts Rows 2 3\n";

class MacroDlgTest : public ::testing::Test {
  protected:
    void SetUp() override {
        gSettings.setLibDir(windowsPathFromHost(std::string(VN_SOURCE_DIR) + "/examples/library"));
        std::string error;
        ASSERT_TRUE(parseMacroText(kEndPlateMacroText, macro_, data_, error)) << error;
        data_.edit.macros = {&macro_};
        data_.edit.title = "End plate";
        MacroTabEdit& plate = data_.tabs[0].edit;
        plate.kind = 0;
        plate.templatePath = "EndPlate\\Plate";
        for (const char* name : {"PlateHeight", "PlateWidth", "PlateThickness", "EdgeDist",
                                 "Stiffened", "Clearance", "Gap"}) {
            plate.cells.push_back({name, "", false, 0, 0});
        }
        plate.cells[4].type = 5;
        MacroTabEdit& bolts = data_.tabs[1].edit;
        bolts.kind = 1;
        bolts.templatePath = "EndPlate\\Bolts";
        bolts.cells.push_back({"Pitch", "", false, 0, 0});
        bolts.boltAssembly = "8.8";
        bolts.boltDiameter = "M20";
        data_.refreshFromMacros();
    }
    MacroCell* plateCell(const char* name) {
        return data_.tabs[0].findCellWithName(Ktx_String(name));
    }
    double plateVariable(const char* name) {
        Ktx_Module* m = macro_.findModule("Plate1");
        Ktx_ConstrVar* v = m ? m->findVariable(name) : nullptr;
        return v ? v->value : -1.0;
    }

    Ktx_Macro macro_;
    MacroData data_;
};
