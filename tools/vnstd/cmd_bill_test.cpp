// vnstd bill and vnstd sheet export on the shipped example feed, run in-process, against the
// bill worked out by hand.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "cli_test_run.h"
#include "core_clock.h"
#include "grid_file_io.h"

namespace fs = std::filesystem;

namespace {

class BillCommand : public testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(dir);
        gSettings.setSettingsDir(windowsPathFromHost(dir.string()));
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string example(const std::string& name) const {
        return std::string(VN_SOURCE_DIR) + "/examples/library/Bills/" + name;
    }
    vnstd_test::Captured bill(std::vector<std::string> extra) {
        std::vector<std::string> args = {example("EndPlate bill.tsv"), "--template",
                                         example("Bill template.vns"), "-o", out.string()};
        args.insert(args.end(), extra.begin(), extra.end());
        return vnstd_test::run(runBillCommand, args);
    }
    std::string contents(const fs::path& path) const {
        return gridReadFile(path.string()).value_or("<missing>");
    }

    fs::path dir = fs::temp_directory_path() / ("vnstd_bill_" + std::to_string(getpid()));
    fs::path out = dir / "EndPlate\xBFMain bill.vns";
};

TEST_F(BillCommand, ExampleFeedGivesTheBillWorkedOutByHand) {
    setCoreTimeSource([] { return std::time_t(0); });
    const auto run = bill({"--types", "1,1,3,3,1,1,3,2,2", "--var", "Project=Hall 3"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, out.string() + ": 5 rows\n");
    const fs::path csv = dir / "bill.csv";
    const auto exported =
        vnstd_test::run(runSheetCommand, {"export", out.string(), "-o", csv.string()});
    ASSERT_EQ(exported.code, 0) << exported.err;
    // Weights with one decimal, whole numbers without; the subtotal's label in the Name
    // column and its total under Total.
    EXPECT_EQ(contents(csv),
              "Pos,Qty,Name,Profile,Length,Width,Material,Weight,Total\r\n"
              "1,1,Beam,IPE300,5000,,S235,211.0,211.0\r\n"
              "2,1,Column,HEA260,3500,,S235,238.7,238.7\r\n"
              "3,1,End plate,PL15,380,200,S235,9.0,9.0\r\n"
              "4,4,Bolt M20x60,M20,60,,8.8,0.2,0.9\r\n"
              ",,Total,,,,,,459.6\r\n");
    const std::string sheet = contents(out);
    const std::string sep = "\xA4";
    EXPECT_NE(sheet.find("varNames0" + sep + "4" + sep + "Date" + sep), std::string::npos);
    EXPECT_NE(sheet.find("varValues1" + sep + "4" + sep + "Main bill" + sep), std::string::npos);
    EXPECT_NE(sheet.find("varValues3" + sep + "4" + sep + "Hall 3" + sep), std::string::npos);
    EXPECT_NE(sheet.find("font \"Arial\" 13"), std::string::npos);  // the template's font
    EXPECT_TRUE(fs::exists(dir / "EndPlate\xBFMain bill.vnd"));
}

TEST_F(BillCommand, PicturesAddARowBelowEachPartAndLeaveNoPictureFiles) {
    const auto run = bill({"--types", "1,1,3,3,1,1,3,2,2", "--pictures"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, out.string() + ": 9 rows\n");
    EXPECT_TRUE(fs::is_empty(dir / "Bill Pictures"));
}

TEST_F(BillCommand, BadArgumentsAreUsageErrorsAndNothingIsWritten) {
    EXPECT_EQ(bill({"--types", "1,x"}).code, 2);
    EXPECT_EQ(bill({"--var", "=3"}).code, 2);
    EXPECT_EQ(
        vnstd_test::run(runBillCommand, {example("EndPlate bill.tsv"), "-o", out.string()}).code,
        2);
    EXPECT_FALSE(fs::exists(out));
}

}  // namespace
