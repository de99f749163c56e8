// vnstd sheet with files that fight back: folders, read-only and linked outputs, crafted
// contents. Run in-process.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "commands.h"

namespace fs = std::filesystem;

namespace {

std::string drain(std::FILE* f) {
    std::rewind(f);
    std::string text;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) text.append(buf, n);
    std::fclose(f);
    return text;
}

class SheetFiles : public testing::Test {
  protected:
    fs::path dir = fs::temp_directory_path() / ("vnstd_sheet_files_" + std::to_string(getpid()));
    int exitCode = -1;
    std::string err;

    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
    std::string file(const std::string& name, const std::string& bytes) const {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        return (dir / name).string();
    }
    std::string contents(const std::string& name) const {
        std::ifstream in(dir / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void run(const std::vector<std::string>& args) {
        CliContext context;
        context.out = std::tmpfile();
        context.err = std::tmpfile();
        exitCode = runSheetCommand(context, args);
        drain(context.out);
        err = drain(context.err);
    }
};

TEST_F(SheetFiles, ConvertKeepsAReadOnlyOutputAndWritesThroughALink) {
    const std::string csv = file("in.csv", "1,2\r\n");
    const std::string locked = file("locked.vns", "old");
    fs::permissions(locked, fs::perms(0444));
    run({"convert", csv, locked});
    EXPECT_EQ(exitCode, 1);
    EXPECT_EQ(err, "vnstd: " + locked + ": is read-only\n");
    EXPECT_EQ(contents("locked.vns"), "old");

    file("real.vns", "old");
    fs::create_symlink("real.vns", dir / "link.vns");
    run({"convert", csv, (dir / "link.vns").string()});
    EXPECT_EQ(exitCode, 0) << err;
    EXPECT_TRUE(fs::is_symlink(dir / "link.vns"));
    EXPECT_TRUE(contents("real.vns").starts_with("VNSHEET"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 4);  // no temporary file left
}

TEST_F(SheetFiles, AFolderAsInputIsAClearFailure) {
    fs::create_directory(dir / "sub.vns");
    run({"show", (dir / "sub.vns").string()});
    EXPECT_EQ(exitCode, 1);
    EXPECT_EQ(err, "vnstd: " + (dir / "sub.vns").string() + ": is a folder\n");
}

TEST_F(SheetFiles, ACraftedFileCannotSendEscapeSequencesToTheTerminal) {
    const std::string crafted =
        file("crafted.vns", "VNSHEET 1\r\nsize 1 1\r\n\x1B[2J\x1B]0;x\x07\r\n");
    run({"show", crafted});
    EXPECT_EQ(exitCode, 1);
    EXPECT_EQ(err.find('\x1B'), std::string::npos) << err;
    EXPECT_NE(err.find("\\x1B[2J"), std::string::npos) << err;
}

}  // namespace
