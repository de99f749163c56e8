// The template command on the shipped library and on a library with a faulty template.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "cli_test_run.h"

namespace {

using vnstd_test::Captured;
using vnstd_test::run;

TEST(TemplateCommand, ListAndShowTheShippedTemplates) {
    Captured list = run(runTemplateCommand, {"list"});
    EXPECT_EQ(list.code, 0);
    EXPECT_NE(list.out.find("EndPlate\\Bolts  13        360x260\n"), std::string::npos) << list.out;
    Captured show = run(runTemplateCommand, {"show", "EndPlate/Plate"});
    EXPECT_EQ(show.code, 0);
    // The PlateWidth edit: its pixel rectangle and its place in the tab order.
    EXPECT_NE(show.out.find("8   2     Variable field      240   104  300    122     2    "
                            "PlateWidth"),
              std::string::npos)
        << show.out;
    EXPECT_EQ(run(runTemplateCommand, {"check", "EndPlate\\Bolts"}).code, 0);
    Captured missing = run(runTemplateCommand, {"show", "Nothing"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find("no dialog template 'Nothing'"), std::string::npos);
    EXPECT_EQ(run(runTemplateCommand, {"frobnicate"}).code, 2);
}

TEST(TemplateCommand, CheckReportsEachKindOfFindingAndFails) {
    const auto lib =
        std::filesystem::temp_directory_path() / ("vnstd_template_" + std::to_string(::getpid()));
    const auto design = lib / "Dialog Templates" / "Dialog Design";
    std::filesystem::create_directories(design);
    std::ofstream(design / "bad.txt", std::ios::binary)
        << "nrOfControls=3\r\n"
           "type0=2\r\ntopLeftX0=0.1\r\ntopLeftY0=0.1\r\nbottomRightX0=0.5\r\nbottomRightY0=0.2\r\n"
           "contents0=Width\r\n"
           "type1=3\r\ntopLeftX1=0.4\r\ntopLeftY1=0.15\r\nbottomRightX1=1.5\r\nbottomRightY1=0."
           "3\r\n"
           "contents1=width\r\ncomboList1=Lists\\none.txt\r\n"
           "type2=0\r\ntopLeftX2=0.1\r\ntopLeftY2=0.1\r\nbottomRightX2=0.9\r\nbottomRightY2=0."
           "9\r\n";
    std::filesystem::copy_file(std::filesystem::path(VN_SOURCE_DIR) / "examples" / "library" /
                                   "Dialog Templates" / "Dialog Design" / "EndPlate" / "Bolts.bmp",
                               design / "bad.bmp");
    CliContext context;
    context.out = std::tmpfile();
    context.err = std::tmpfile();
    gSettings.setLibDir(windowsPathFromHost(lib.string()));
    EXPECT_EQ(runTemplateCommand(context, {"check", "bad"}), 1);
    const std::string out = vnstd_test::readAll(context.out);
    std::fclose(context.err);
    std::filesystem::remove_all(lib);
    EXPECT_EQ(out,
              "bad: control 0 (Width) overlaps control 1 (width)\n"
              "bad: control 0 (Width) and control 1 (width) edit the same variable\n"
              "bad: control 1 (width) lies outside the picture\n"
              "bad: control 1 (width): list file 'Lists\\none.txt' does not exist\n");
}

}  // namespace
