#include <gtest/gtest.h>

#include "designer_test_support.h"

namespace {

using TemplateFile = DesignerLibraryTest;

const char* const kTwoControls =
    "nrOfControls=2\r\n"
    "type0=2\r\ntopLeftX0=0.1\r\ntopLeftY0=0.2\r\nbottomRightX0=0.4\r\nbottomRightY0=0.3\r\n"
    "contents0=Width\r\ncomboList0=\r\n"
    "type1=3\r\ntopLeftX1=0.5\r\ntopLeftY1=0.2\r\nbottomRightX1=0.9\r\nbottomRightY1=0.3\r\n"
    "contents1=Thickness\r\ncomboList1=Dialog Templates\\Lists\\plate_thicknesses.txt\r\n";

TEST_F(TemplateFile, PathsOutsideTheRootAreNeitherReadNorWritten) {
    writeFile(lib_ / "Elsewhere" / "t.txt", kTwoControls);
    Ktx_DlgDesignerData data;
    EXPECT_FALSE(data.readFromFile(libPath("Elsewhere\\t.txt"), false));
    EXPECT_EQ(data.getNrControls(), 0);

    ASSERT_TRUE(data.readFromFile(templatePath("EndPlate\\Bolts"), false));
    EXPECT_EQ(data.name, "EndPlate\\Bolts");
    EXPECT_FALSE(data.writeTemplate(libPath("Elsewhere\\out.txt")));
    EXPECT_FALSE(std::filesystem::exists(lib_ / "Elsewhere" / "out.txt"));
    EXPECT_EQ(data.name, "EndPlate\\Bolts");
}

TEST_F(TemplateFile, ReadingGivesIdsInOrderAndZeroControlsEmptiesTheTemplate) {
    writeFile(designFolder() / "two.txt", kTwoControls);
    writeFile(designFolder() / "none.txt", "nrOfControls=0\r\n");
    Ktx_DlgDesignerData data;
    data.firstResourceId = 33000;
    data.lastResourceId = 33099;
    ASSERT_TRUE(data.readFromFile(templatePath("two"), false));
    ASSERT_EQ(data.getNrControls(), 2);
    EXPECT_EQ(data.getControl(1)->resourceId, 33001);
    EXPECT_EQ(data.getControl(1)->comboList, "Dialog Templates\\Lists\\plate_thicknesses.txt");
    ASSERT_TRUE(data.readFromFile(templatePath("none"), false));
    EXPECT_EQ(data.getNrControls(), 0);
    EXPECT_EQ(data.name, "none");
}

TEST_F(TemplateFile, ACountBeyondTheStoredControlsGivesEmptyRecords) {
    writeFile(designFolder() / "more.txt",
              "nrOfControls=3\r\ntype0=2\r\ncontents0=A\r\ntopLeftX0=0.5\r\n");
    Ktx_DlgDesignerData data;
    ASSERT_TRUE(data.readFromFile(templatePath("more"), false));
    ASSERT_EQ(data.getNrControls(), 3);
    EXPECT_EQ(data.getControl(2)->type, kCtrlLabel);
    EXPECT_EQ(data.getControl(2)->bottomRightX, 0.0);
}

// Regression: a damaged count of two thousand million made the reader build that many
// records; it is held to the number of properties in the file.
TEST_F(TemplateFile, AHugeControlCountIsHeldToTheFilesSize) {
    writeFile(designFolder() / "huge.txt", "nrOfControls=2147483647\r\ntype0=2\r\n");
    Ktx_DlgDesignerData data;
    ASSERT_TRUE(data.readFromFile(templatePath("huge"), false));
    EXPECT_EQ(data.getNrControls(), 2);
}

TEST_F(TemplateFile, ExampleTemplatesSaveUnchangedAndSaveAsCarriesThePicture) {
    std::filesystem::create_directories(designFolder() / "Copies");
    for (const char* name : {"EndPlate\\Plate", "EndPlate\\Bolts"}) {
        Ktx_DlgDesignerData data;
        initialize(data, true);
        ASSERT_TRUE(data.readFromFile(templatePath(name), true)) << name;
        EXPECT_EQ(data.imageWidth, 360);
        ASSERT_TRUE(data.redrawAllControls());
        EXPECT_EQ(data.drawnCount(), data.getNrControls());
        ASSERT_TRUE(data.writeTemplate(templatePath("Copies\\copy")));
        EXPECT_EQ(readFile(designFolder() / "Copies" / "copy.txt"),
                  readFile(designFolder() / (std::string(name).replace(8, 1, "/") + ".txt")));
        EXPECT_EQ(readFile(designFolder() / "Copies" / "copy.bmp"),
                  readFile(designFolder() / (std::string(name).replace(8, 1, "/") + ".bmp")));
        EXPECT_EQ(data.name, "Copies\\copy");
    }
}

TEST_F(TemplateFile, ThePictureMaskMakesWhitePixelsShowTheBackground) {
    writePicture(designFolder() / "framed.bmp", 4, 3);
    Ktx_DlgDesignerData data;
    initialize(data, false);
    data.attachBitmap(libPath("Dialog Templates\\Dialog Design\\framed.bmp"));
    ASSERT_EQ(data.imageWidth, 4);
    ASSERT_EQ(data.imageHeight, 3);
    EXPECT_EQ(data.picture().image()->pixel(1, 1), RGB(0, 0, 0));
    EXPECT_EQ(data.mask().image()->pixel(1, 1), RGB(255, 255, 255));
    EXPECT_EQ(data.mask().image()->pixel(0, 0), RGB(0, 0, 0));

    CDC screen;
    screen.CreateCompatibleDC(nullptr);
    CBitmap canvas;
    canvas.CreateBitmap(4, 3, 1, 32, nullptr);
    screen.SelectObject(&canvas);
    screen.FillSolidRect(0, 0, 4, 3, RGB(10, 200, 30));
    data.OnEraseBkgnd(&screen);
    EXPECT_EQ(screen.GetPixel(1, 1), RGB(10, 200, 30));  // white: the background shows
    EXPECT_EQ(screen.GetPixel(0, 0), RGB(0, 0, 0));      // the black frame is drawn
}

TEST_F(TemplateFile, AMissingOrDamagedPictureLeavesNoScale) {
    writeFile(designFolder() / "bad.bmp", "not a bitmap");
    Ktx_DlgDesignerData data;
    data.imageWidth = 50;
    data.attachBitmap(libPath("Dialog Templates\\Dialog Design\\missing.bmp"));
    EXPECT_EQ(data.imageWidth, 50);
    data.attachBitmap(libPath("Dialog Templates\\Dialog Design\\bad.bmp"));
    EXPECT_EQ(data.imageWidth, 0);
}

TEST_F(TemplateFile, TemplateNamesAndVariableNames) {
    writeFile(designFolder() / "a.txt", kTwoControls);
    Ktx_StringArray names;
    getModuleImages(names);
    EXPECT_EQ(names, (Ktx_StringArray{"a", "EndPlate\\Bolts", "EndPlate\\Plate"}));

    Ktx_StringArray vars{"stale"};
    GetImageDlgCtrlNames(templatePath("EndPlate\\Plate"), vars);
    EXPECT_EQ(vars, (Ktx_StringArray{"PlateHeight", "EdgeDist", "PlateWidth"}));
    GetImageDlgCtrlNames(templatePath("missing"), vars);
    EXPECT_TRUE(vars.isEmpty());
}

}  // namespace
