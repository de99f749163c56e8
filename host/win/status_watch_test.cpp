// File statuses: what a status scope sees, and the statuses kept while the kernel reports no
// change.
#include "status_watch.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "file_stamp.h"

namespace fs = std::filesystem;

namespace {

class StatusWatchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("vn_status_watch_" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder / "sub");
        write(file(), "12");
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string file() const { return (folder / "sub" / "data.txt").string(); }
    static void write(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }

    // The status as an evaluation sees it (caught up first), and the status calls it took.
    HostStatus status(const std::string& path, int* calls = nullptr) {
        const std::uint64_t before = hostStatusCallCount();
        hostStatusWatchCatchUp();
        const HostStatus status = hostWatchedStatus(path);
        if (calls != nullptr) *calls = static_cast<int>(hostStatusCallCount() - before);
        return status;
    }

    // Reads `path` (twice: it is watched from its second read) and skips the test where this
    // machine's temporary folder cannot be watched (a file system whose changes the kernel does not
    // report).
    void keepOrSkip(const std::string& path) {
        status(path);
        status(path);
        if (!hostStatusIsKept(path)) GTEST_SKIP() << "the temporary folder is not watched here";
    }

    fs::path folder;
};

// In a status scope a path's status is read once: a file made or grown inside the scope is
// seen as it was, and as it is once the scope (the outermost one) has closed.
TEST_F(StatusWatchTest, AScopeSeesEachPathAsFirstReadUntilItsOutermostEnd) {
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

TEST_F(StatusWatchTest, AKeptFileIsNotReadAgainUntilItChanges) {
    const std::string fresh = (folder / "sub" / "read-once.txt").string();
    write(fresh, "1");
    status(fresh);
    EXPECT_FALSE(hostStatusIsKept(fresh));  // one read costs no watches
    keepOrSkip(file());
    int calls = -1;
    EXPECT_EQ(status(file(), &calls).stamp.size, 2u);
    EXPECT_EQ(calls, 0);
    write((folder / "sub" / "other.txt").string(), "x");  // another name beside it
    EXPECT_EQ(status(file(), &calls).stamp.size, 2u);
    EXPECT_EQ(calls, 0);

    std::ofstream(file(), std::ios::app) << "345";
    EXPECT_EQ(status(file(), &calls).stamp.size, 5u);
    EXPECT_EQ(calls, 1);

    // Replaced whole by a rename, as the atomic writer does.
    write(file() + ".new", "abcdefg");
    fs::rename(file() + ".new", file());
    EXPECT_EQ(status(file()).stamp.size, 7u);

    fs::last_write_time(file(), fs::file_time_type::clock::now() - std::chrono::hours(1));
    const HostStatus touched = status(file(), &calls);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(touched.stamp.size, 7u);

    fs::remove(file());
    EXPECT_FALSE(status(file()).exists);
    EXPECT_TRUE(hostStatusIsKept(file()));  // its absence is kept as well
    write(file(), "1");
    EXPECT_EQ(status(file()).kind, HostPathKind::File);
}

TEST_F(StatusWatchTest, ChangesOfTheFoldersOnThePathAreSeen) {
    keepOrSkip(file());
    fs::rename(folder / "sub", folder / "old");
    fs::create_directories(folder / "sub");
    write(file(), "four");
    EXPECT_EQ(status(file()).stamp.size, 4u);

    // A path below a missing folder, kept missing, appears with its folder.
    const std::string deep = (folder / "new" / "deeper" / "x.txt").string();
    keepOrSkip(deep);
    int calls = -1;
    EXPECT_FALSE(status(deep, &calls).exists);
    EXPECT_EQ(calls, 0);
    fs::create_directories(folder / "new" / "deeper");
    write(deep, "abc");
    EXPECT_EQ(status(deep).stamp.size, 3u);
}

TEST_F(StatusWatchTest, AKeptFolderSeesItsEntriesButNotTheirContent) {
    const std::string sub = (folder / "sub").string();
    keepOrSkip(sub);
    EXPECT_EQ(status(sub).kind, HostPathKind::Folder);
    std::ofstream(file(), std::ios::app) << "3";  // the folder's stamp stays
    int calls = -1;
    status(sub, &calls);
    EXPECT_EQ(calls, 0);
    write((folder / "sub" / "made.txt").string(), "");
    status(sub, &calls);
    EXPECT_EQ(calls, 1);
}

TEST_F(StatusWatchTest, PathsThroughALinkAreReadEveryTime) {
    keepOrSkip(file());
    const std::string linked = (folder / "link").string();
    fs::create_directory_symlink(folder / "sub", linked);
    const std::string viaLink = linked + "/data.txt";
    EXPECT_EQ(status(viaLink).stamp.size, 2u);
    EXPECT_FALSE(hostStatusIsKept(viaLink));
    EXPECT_FALSE(hostStatusIsKept(folder.string() + "/sub/../sub/data.txt"));
    fs::remove(linked);
    fs::create_directory_symlink(folder / "old", linked);
    EXPECT_FALSE(status(viaLink).exists);
}

// A forked worker watches on its own: reading its reports must not take the parent's.
TEST_F(StatusWatchTest, AForkedWorkerLeavesTheParentItsReports) {
    keepOrSkip(file());
    std::ofstream(file(), std::ios::app) << "3";
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        hostStatusWatchCatchUp();
        hostWatchedStatus(file());
        ::_exit(0);
    }
    int exitStatus = 0;
    ::waitpid(pid, &exitStatus, 0);
    EXPECT_EQ(status(file()).stamp.size, 3u);
}

// A look-up made of kept statuses may be taken again until a change is reported or the working
// folder changes; one that read a status not kept, or walked a folder directly, may not.
TEST_F(StatusWatchTest, ALookUpLastsWhileItsKeptStatusesDo) {
    const auto lookUp = [](const std::string& path) {
        beginHostStatusScope();
        const HostLookUpWitness witness;
        HostFileStamp stamp;
        hostFileStampOf(path, stamp);
        const bool lasting = witness.lasting();
        endHostStatusScope();
        return std::make_pair(lasting, witness.epoch());
    };
    const std::string fresh = (folder / "sub" / "once.txt").string();
    EXPECT_FALSE(lookUp(fresh).first);  // read once: not kept
    keepOrSkip(file());
    const auto [lasting, epoch] = lookUp(file());
    EXPECT_TRUE(lasting);
    beginHostStatusScope();
    EXPECT_EQ(hostStatusEpoch(), epoch);
    endHostStatusScope();

    std::ofstream(file(), std::ios::app) << "3";
    beginHostStatusScope();  // takes in the report
    EXPECT_NE(hostStatusEpoch(), epoch);
    endHostStatusScope();

    keepOrSkip(file());
    const HostStatusEpoch before = lookUp(file()).second;
    const fs::path here = fs::current_path();
    fs::current_path(folder);
    beginHostStatusScope();
    EXPECT_NE(hostStatusEpoch(), before);  // relative paths now start elsewhere
    const HostLookUpWitness walked;
    hostNoteUnkeptLookUp();
    EXPECT_FALSE(walked.lasting());
    endHostStatusScope();
    fs::current_path(here);
}

}  // namespace
