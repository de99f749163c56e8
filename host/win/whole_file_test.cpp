#include "whole_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

class AtomicWrite : public ::testing::Test {
  protected:
    fs::path folder;

    void SetUp() override {
        folder = fs::temp_directory_path() / ("vn_whole_file_" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        fileInjectWriteFault(FileWriteFault::None);
    }
    void TearDown() override {
        fileInjectWriteFault(FileWriteFault::None);
        fs::remove_all(folder);
    }

    std::string file(const char* name) const { return (folder / name).string(); }
    static void plant(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string contents(const std::string& path) {
        std::string bytes;
        EXPECT_TRUE(fileReadWhole(path, bytes));
        return bytes;
    }
    std::size_t entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
    }
    static unsigned modeOf(const std::string& path) {
        struct stat st {};
        EXPECT_EQ(stat(path.c_str(), &st), 0);
        return st.st_mode & 07777;
    }
};

TEST_F(AtomicWrite, ReplacesTheWholeFileAndLeavesNothingBeside) {
    const std::string target = file("a.txt");
    plant(target, "old content that is longer");
    ASSERT_TRUE(fileWriteAtomic(target, "new"));
    EXPECT_EQ(contents(target), "new");
    EXPECT_EQ(entries(), 1u);
}

TEST_F(AtomicWrite, FailedWriteOrFullDiskKeepsTheOldFileAndRemovesTheTemporary) {
    const std::string target = file("a.txt");
    plant(target, "old");
    for (FileWriteFault fault : {FileWriteFault::WriteFails, FileWriteFault::DiskFull,
                                 FileWriteFault::SyncFails, FileWriteFault::RenameFails}) {
        fileInjectWriteFault(fault, 2);
        std::string error;
        EXPECT_FALSE(fileWriteAtomic(target, "new content", &error));
        EXPECT_EQ(contents(target), "old");
        EXPECT_EQ(entries(), 1u);
        EXPECT_TRUE(error.starts_with(target + ": ")) << error;
    }
    fileInjectWriteFault(FileWriteFault::DiskFull, 0);
    std::string error;
    EXPECT_FALSE(fileWriteAtomic(target, "x", &error));
    EXPECT_EQ(error, target + ": No space left on device");
    EXPECT_TRUE(fileWriteAtomic(target, "x"));  // the fault fired once
}

TEST_F(AtomicWrite, KeepsTheTargetsModeAndNewFilesGetTheUsualOne) {
    const std::string secret = file("secret");
    plant(secret, "s");
    fs::permissions(secret, fs::perms(0600));
    ASSERT_TRUE(fileWriteAtomic(secret, "t"));
    EXPECT_EQ(modeOf(secret), 0600u);

    const mode_t mask = umask(022);
    ASSERT_TRUE(fileWriteAtomic(file("fresh"), "f"));
    umask(mask);
    EXPECT_EQ(modeOf(file("fresh")), 0644u);
}

TEST_F(AtomicWrite, RefusesAReadOnlyTargetOrAFolder) {
    const std::string target = file("ro.txt");
    plant(target, "keep");
    fs::permissions(target, fs::perms(0444));
    std::string error;
    EXPECT_FALSE(fileWriteAtomic(target, "new", &error));
    EXPECT_EQ(error, target + ": is read-only");
    EXPECT_EQ(contents(target), "keep");
    fs::create_directory(file("sub"));
    EXPECT_FALSE(fileWriteAtomic(file("sub"), "new", &error));
    EXPECT_EQ(error, file("sub") + ": is a folder");
    EXPECT_FALSE(fileWriteAtomic(file("missing/x"), "new"));
    EXPECT_EQ(entries(), 2u);
}

TEST_F(AtomicWrite, WritesThroughASymbolicLinkToTheFileItNames) {
    fs::create_directory(file("real"));
    const std::string named = file("real/target.txt");
    plant(named, "old");
    fs::create_symlink("real/target.txt", file("link"));
    ASSERT_TRUE(fileWriteAtomic(file("link"), "through"));
    EXPECT_TRUE(fs::is_symlink(file("link")));
    EXPECT_EQ(contents(named), "through");
}

TEST_F(AtomicWrite, ALinkPlantedAtTheOldTemporaryNamesIsLeftAlone) {
    const std::string victim = file("victim");
    plant(victim, "precious");
    for (const char* planted : {"a.txt.tmp", "a.txt.tmp~"})
        fs::create_symlink(victim, file(planted));
    ASSERT_TRUE(fileWriteAtomic(file("a.txt"), "mine"));
    EXPECT_EQ(contents(victim), "precious");
    EXPECT_EQ(contents(file("a.txt")), "mine");
}

TEST(WholeFileRead, RefusesFoldersMissingAndOversizedFilesWithAMessage) {
    const fs::path folder = fs::temp_directory_path();
    std::string bytes = "unchanged", error;
    EXPECT_FALSE(fileReadWhole(folder.string(), bytes, &error));
    EXPECT_EQ(error, folder.string() + ": is a folder");
    EXPECT_FALSE(fileReadWhole("/nonexistent-vn/x", bytes, &error));
    EXPECT_EQ(error, "/nonexistent-vn/x: No such file or directory");
    const std::string big = (folder / ("vn_big_" + std::to_string(::getpid()))).string();
    std::ofstream(big, std::ios::binary) << std::string((std::size_t{1} << 20) + 1, 'x');
    EXPECT_FALSE(fileReadWhole(big, bytes, &error, std::size_t{1} << 20));
    EXPECT_EQ(error, big + ": larger than 1 MiB, not read");
    EXPECT_EQ(bytes, "unchanged");
    EXPECT_TRUE(fileReadWhole(big, bytes));
    EXPECT_EQ(bytes.size(), (std::size_t{1} << 20) + 1);
    fs::remove(big);
}

}  // namespace
