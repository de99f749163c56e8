#include "file_stamp.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

class FileStatus : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("vn_file_stamp_" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }
    fs::path folder;
};

// In a status scope a path's status is read once: a file made or grown inside the scope is
// seen as it was, and as it is once the scope (the outermost one) has closed.
TEST_F(FileStatus, AScopeSeesEachPathAsFirstReadUntilItsOutermostEnd) {
    const std::string path = (folder / "data.txt").string();
    HostFileStamp stamp;
    HostPathKind kind = HostPathKind::Other;
    beginHostStatusScope();
    EXPECT_FALSE(hostFileStampOf(path, stamp, &kind));
    EXPECT_EQ(kind, HostPathKind::Missing);
    std::ofstream(path) << "12";
    beginHostStatusScope();
    EXPECT_FALSE(hostFileStampOf(path, stamp, &kind));
    endHostStatusScope();
    EXPECT_FALSE(hostFileStampOf(path, stamp));  // the outer scope is still open
    endHostStatusScope();
    ASSERT_TRUE(hostFileStampOf(path, stamp, &kind));
    EXPECT_EQ(kind, HostPathKind::File);
    EXPECT_EQ(stamp.size, 2u);

    beginHostStatusScope();
    ASSERT_TRUE(hostFileStampOf(path, stamp));
    std::ofstream(path, std::ios::app) << "345";
    ASSERT_TRUE(hostFileStampOf(path, stamp));
    EXPECT_EQ(stamp.size, 2u);
    endHostStatusScope();
    ASSERT_TRUE(hostFileStampOf(path, stamp));
    EXPECT_EQ(stamp.size, 5u);
    endHostStatusScope();  // one end too many changes nothing
    ASSERT_TRUE(hostFileStampOf((folder).string(), stamp, &kind));
    EXPECT_EQ(kind, HostPathKind::Folder);
}

}  // namespace
