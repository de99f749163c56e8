#include "csp_file_chooser.h"

#include <gtest/gtest.h>

#include "file_chooser.h"
#include "win_driver.h"
#include "win_reset.h"

namespace {

TEST(CspDialogFileChooser, AsksTheWindowSystemWithTheRequestAndReturnsTheChosenPath) {
    winResetForTests();
    VnCspFileRequest request;
    request.save = true;
    request.title = "Save cutting-stock table";
    request.filter = "Shop lengths (*.shp)|*.shp||";
    request.defaultExtension = "shp";
    request.startName = "c:\\lib\\Cutting Stock\\IPE\\Stock8.shp";
    request.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    winQueueFileChoice({"c:\\lib\\Cutting Stock\\IPE\\mine.shp"});
    VnCspDialogFileChooser chooser;
    EXPECT_EQ(chooser.choose(request), Ktx_String("c:\\lib\\Cutting Stock\\IPE\\mine.shp"));
    ASSERT_EQ(winFileChoosers().size(), 1u);
    const FileChooserRecord& asked = winFileChoosers()[0];
    EXPECT_EQ(asked.kind, FileChooserRecord::Kind::Save);
    EXPECT_EQ(asked.title, "Save cutting-stock table");
    EXPECT_EQ(asked.defaultName, "c:\\lib\\Cutting Stock\\IPE\\Stock8.shp");
    EXPECT_EQ(asked.defaultExtension, "shp");
    EXPECT_NE(asked.filter.find("*.shp"), std::string::npos);

    request.save = false;
    EXPECT_EQ(chooser.choose(request), std::nullopt) << "no answer queued: cancelled";
    EXPECT_EQ(winFileChoosers().back().kind, FileChooserRecord::Kind::Open);
    winResetForTests();
}

}  // namespace
