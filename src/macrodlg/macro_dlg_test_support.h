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
    "  kind 0\n"
    "  template EndPlate\\Plate\n"
    "  cell PlateHeight 380\n"
    "  cell PlateWidth 200\n"
    "  cell PlateThickness 15\n"
    "  cell EdgeDist 40\n"
    "  cell Stiffened 0 type=5\n"
    "  cell Clearance 2\n"
    "  cell Gap 10\n"
    "  flexfix PlateWidth flexible\n"
    "  flexfix PlateHeight fixed\n"
    "  flexgroup PlateSize PlateWidth PlateHeight\n"
    "tab Bolts\n"
    "  kind 1\n"
    "  template EndPlate\\Bolts\n"
    "  cell Pitch 70\n"
    "  bolts M20 2\n"
    "  nrbolts Rows 2 3\n"
    "  boltassembly 8.8 M20\n";

class MacroDlgTest : public ::testing::Test {
  protected:
    void SetUp() override {
        gSettings.setLibDir(windowsPathFromHost(std::string(VN_SOURCE_DIR) + "/examples/library"));
        std::string error;
        ASSERT_TRUE(parseMacroText(kEndPlateMacroText, macro_, data_, error)) << error;
        data_.edit.macros = {&macro_};
        data_.edit.title = "End plate";
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
