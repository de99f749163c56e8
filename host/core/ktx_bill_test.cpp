#include "ktx_bill.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ac_transaction.h"
#include "bill_picture.h"
#include "bitmap_file.h"
#include "file_ops.h"
#include "ktx_settings.h"
#include "path_translation.h"

namespace {

namespace fs = std::filesystem;

// Records the calls of a feed as one line each.
class RecordingOutput : public Ktx_ListOutputCallback {
  public:
    std::vector<std::string> calls;
    Acad::ErrorStatus startResult = Acad::eOk;

    Acad::ErrorStatus onStartFeed() override {
        calls.push_back("start");
        return startResult;
    }
    Acad::ErrorStatus onEndFeed() override {
        calls.push_back("end");
        return Acad::eOk;
    }
    void onAddRow(const Ktx_StringArray& row) override { calls.push_back("row " + join(row)); }
    void onAddSubTotals(const Ktx_StringArray& row, const Ktx_StringArray&, bool, int) override {
        calls.push_back("sub " + join(row));
    }
    static std::string join(const Ktx_StringArray& row) {
        std::string text;
        for (const Ktx_String& t : row) text += (text.empty() ? "" : "|") + t.str();
        return text;
    }
};

TEST(BillFeed, RowsAndSubtotalRowsAreFedInOrderBetweenStartAndEnd) {
    std::string error;
    const auto bill = Ktx_Bill::fromFeed(
        "Pos\tName\tWeight\r\n1\tPlate\t12.5\r\n\r\n2\tBeam\t\n#subtotal\tTotal\t\t12.5\n", error);
    ASSERT_TRUE(bill) << error;
    EXPECT_EQ(bill->columnNames, (Ktx_StringArray{"Pos", "Name", "Weight"}));
    RecordingOutput output;
    EXPECT_EQ(bill->output(output), Acad::eOk);
    EXPECT_EQ(output.calls, (std::vector<std::string>{"start", "row 1|Plate|12.5", "row 2|Beam|",
                                                      "sub Total||12.5", "end"}));
}

TEST(BillFeed, AFeedWithoutColumnNamesIsRefusedAndAFailedStartStopsTheFeed) {
    std::string error;
    EXPECT_FALSE(Ktx_Bill::fromFeed("\r\n\n", error));
    EXPECT_EQ(error, "line 1: no column names");
    const auto bill = Ktx_Bill::fromFeed("A\n1\n", error);
    ASSERT_TRUE(bill);
    RecordingOutput output;
    output.startResult = Acad::eInvalidInput;
    EXPECT_EQ(bill->output(output), Acad::eInvalidInput);
    EXPECT_EQ(output.calls, std::vector<std::string>{"start"});
}

class BillPictureTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder =
            fs::path(::testing::TempDir()) / ("vn_bill_pictures_" + std::to_string(::getpid()));
        gSettings.setSettingsDir(Ktx_String(folder.string()));
        std::string error;
        bill = *Ktx_Bill::fromFeed("Profile\tLength\tWidth\n", error);
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path folder;
    Ktx_Bill bill;
    AcTransaction transaction{1};
};

TEST_F(BillPictureTest, PictureIsABitmapFileWithThePartsOutlineScaledIn) {
    ASSERT_TRUE(initBMPDialog(220));
    Ktx_String name;
    ASSERT_TRUE(
        createImage({"PL15", "600", "200"}, -1, 120, 60, true, false, &bill, &transaction, name));
    const auto image = readBmpFile(hostPath(name));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width(), 120);
    EXPECT_EQ(image->height(), 60);
    // 600 x 200 scaled into 112 x 52: 112 x 37, centred; black outline, grey inside.
    EXPECT_EQ(image->pixel(4, 30), 0u);
    EXPECT_EQ(image->pixel(115, 30), 0u);
    EXPECT_EQ(image->pixel(60, 30), 0xD8D8D8u);
    EXPECT_EQ(image->pixel(60, 5), 0xFFFFFFu);
}

TEST_F(BillPictureTest, NoPictureWithoutWindowBillOrLength) {
    Ktx_String name = "old";
    EXPECT_FALSE(
        createImage({"PL15", "600", "200"}, -1, 0, 0, true, true, &bill, &transaction, name));
    EXPECT_TRUE(name.isEmpty());
    ASSERT_TRUE(initBMPDialog(140));
    EXPECT_FALSE(createImage({"PL15", "", "200"}, -1, 0, 0, true, true, &bill, &transaction, name));
    EXPECT_FALSE(
        createImage({"PL15", "600", "200"}, -1, 0, 0, true, true, nullptr, &transaction, name));
    // Without a width the profile's number is the height; the picture fits the window.
    ASSERT_TRUE(
        createImage({"IPE300", "3000", ""}, -1, 500, 0, true, true, &bill, &transaction, name));
    const auto image = readBmpFile(hostPath(name));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width(), 120);
    closeBMPDialog();
    EXPECT_FALSE(
        createImage({"IPE300", "3000", ""}, -1, 0, 0, true, true, &bill, &transaction, name));
}

}  // namespace
