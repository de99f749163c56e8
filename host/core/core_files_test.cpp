#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core.h"
#include "file_ops.h"
#include "file_search.h"
#include "object_export_sort.h"
#include "path_translation.h"
#include "text_file.h"

namespace fs = std::filesystem;

class CoreFilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        coreResetForTests();
        root_ = fs::temp_directory_path() / ("vn_core_files_" + std::to_string(getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "drives" / "c");
        setDriveRoot((root_ / "drives").string());
    }
    void TearDown() override { fs::remove_all(root_); }
    void put(const fs::path& p, const std::string& bytes) {
        fs::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << bytes;
    }
    std::string get(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    fs::path root_;
};

TEST_F(CoreFilesTest, DriveLettersMapToFoldersWithEitherSeparator) {
    const std::string c = (root_ / "drives" / "c").string();
    EXPECT_EQ(hostPathLiteral("c:\\a\\t3.sss"), c + "/a/t3.sss");
    EXPECT_EQ(hostPathLiteral("C:/a\\\\t3.sss"), c + "/a/t3.sss");
    mapDrive('D', (root_ / "dee").string());
    EXPECT_EQ(hostPathLiteral("d:\\x"), (root_ / "dee" / "x").string());
    EXPECT_EQ(hostPathLiteral("\\work\\lib\\"), "/work/lib");
    EXPECT_EQ(hostPathLiteral("rel\\f.txt"), "rel/f.txt");
    EXPECT_EQ(windowsPathFromHost("/work/lib"), "\\work\\lib");
}

TEST_F(CoreFilesTest, FindsANameThatDiffersOnlyInLetterCase) {
    put(root_ / "drives/c/Connection Standards/Parents/EndPlate.VNS", "x");
    EXPECT_EQ(hostPath("C:\\connection standards\\PARENTS\\endplate.vns"),
              (root_ / "drives/c/Connection Standards/Parents/EndPlate.VNS").string());
    Ktx_StringArray lines;
    EXPECT_TRUE(ObjectExportReadFile("c:/CONNECTION STANDARDS/parents/ENDPLATE.vns", lines));
    // A missing part is kept as written, under the folder found by case.
    EXPECT_EQ(hostPath("c:\\CONNECTION STANDARDS\\New.map"),
              (root_ / "drives/c/Connection Standards/New.map").string());
}

// Folder listings are kept between look-ups; a name added, renamed or removed must be seen at
// once, also when the folder had not changed for a long time before (a kept listing).
TEST_F(CoreFilesTest, LetterCaseLookUpSeesFolderChangesAtOnce) {
    const fs::path folder = root_ / "drives/c/Data";
    put(folder / "Bolts.txt", "x");
    fs::last_write_time(folder, fs::file_time_type::clock::now() - std::chrono::hours(1));
    HostPathKind kind;
    EXPECT_EQ(hostPath("c:\\data\\BOLTS.TXT", &kind), (folder / "Bolts.txt").string());
    EXPECT_EQ(kind, HostPathKind::File);
    EXPECT_EQ(hostPath("c:\\data\\plates.txt", &kind), (folder / "plates.txt").string());
    EXPECT_EQ(kind, HostPathKind::Missing);

    put(folder / "Plates.TXT", "y");
    EXPECT_EQ(hostPath("c:\\data\\plates.txt", &kind), (folder / "Plates.TXT").string());
    EXPECT_EQ(kind, HostPathKind::File);

    fs::last_write_time(folder, fs::file_time_type::clock::now() - std::chrono::hours(1));
    EXPECT_EQ(hostPath("c:\\data\\bolts.txt"), (folder / "Bolts.txt").string());
    fs::rename(folder / "Bolts.txt", folder / "bolts2.txt");
    EXPECT_EQ(hostPath("c:\\data\\bolts.txt", &kind), (folder / "bolts.txt").string());
    EXPECT_EQ(kind, HostPathKind::Missing);
    EXPECT_EQ(hostPath("c:\\DATA", &kind), folder.string());
    EXPECT_EQ(kind, HostPathKind::Folder);
}

// In a status scope a bare name is looked for in the working folder's kept listing: a name
// the settled listing lacks is missing without a status call, and a file added to the folder
// is found by the next scope (the folder's time changed, so it is listed again).
TEST_F(CoreFilesTest, BareNamesInAStatusScopeSeeTheWorkingFolderAsListed) {
    const fs::path here = root_ / "work";
    put(here / "Bolts.txt", "1");
    fs::last_write_time(here, fs::file_time_type::clock::now() - std::chrono::minutes(1));
    const fs::path before = fs::current_path();
    fs::current_path(here);
    HostPathKind kind = HostPathKind::Other;
    beginHostStatusScope();
    EXPECT_EQ(hostPath("bolts.txt", &kind), "Bolts.txt");
    EXPECT_EQ(kind, HostPathKind::File);
    EXPECT_EQ(hostPath("plates.txt", &kind), "plates.txt");
    EXPECT_EQ(kind, HostPathKind::Missing);
    endHostStatusScope();
    put(here / "Plates.txt", "2");
    beginHostStatusScope();
    EXPECT_EQ(hostPath("plates.txt", &kind), "Plates.txt");
    EXPECT_EQ(kind, HostPathKind::File);
    endHostStatusScope();
    fs::current_path(before);
}

// Two working folders of the same modification time (copies unpacked from one archive): the
// listing kept for the one does not answer for the other.
TEST_F(CoreFilesTest, AnotherWorkingFolderOfTheSameTimeIsListedAnew) {
    const fs::path first = root_ / "first";
    const fs::path second = root_ / "second";
    put(first / "bolts.txt", "1");
    put(second / "plates.txt", "2");
    const auto settled = fs::file_time_type::clock::now() - std::chrono::minutes(1);
    fs::last_write_time(first, settled);
    fs::last_write_time(second, settled);
    const fs::path before = fs::current_path();
    HostPathKind kind = HostPathKind::Other;
    fs::current_path(first);
    beginHostStatusScope();
    hostPath("Plates.txt", &kind);  // a miss lists the folder
    EXPECT_EQ(kind, HostPathKind::Missing);
    endHostStatusScope();
    fs::current_path(second);
    beginHostStatusScope();
    EXPECT_EQ(hostPath("plates.txt", &kind), "plates.txt");
    EXPECT_EQ(kind, HostPathKind::File);
    endHostStatusScope();
    fs::current_path(before);
}

TEST_F(CoreFilesTest, CrlfAndLfFilesReadAlike) {
    put(root_ / "drives/c/crlf.txt", "a\r\n\r\nb\r\n");
    put(root_ / "drives/c/lf.txt", "a\n\nb\n");
    put(root_ / "drives/c/nofinal.txt", "a\n\nb");
    put(root_ / "drives/c/empty.txt", "");
    for (const char* name : {"c:\\crlf.txt", "c:\\lf.txt", "c:\\nofinal.txt"}) {
        Ktx_StringArray lines;
        ASSERT_TRUE(ObjectExportReadFile(name, lines)) << name;
        EXPECT_EQ(lines, (Ktx_StringArray{"a", "", "b"})) << name;
    }
    Ktx_StringArray lines{"old"};
    EXPECT_TRUE(ObjectExportReadFile("c:\\empty.txt", lines));
    EXPECT_TRUE(lines.isEmpty());
    Ktx_StringArray kept{"old"};
    EXPECT_FALSE(ObjectExportReadFile("c:\\missing.txt", kept));
    EXPECT_EQ(kept, Ktx_StringArray{"old"});
}

TEST_F(CoreFilesTest, WritesCrlfAfterEveryLineAndReadsBackTheSameBytes) {
    Ktx_StringArray lines{"Mapping version 1.0",
                          "k=a\x83p\x95"
                          "Distance W",
                          ""};
    ASSERT_TRUE(ObjectExportWriteFile("c:\\m.map", lines));
    EXPECT_EQ(get(root_ / "drives/c/m.map"),
              "Mapping version 1.0\r\nk=a\x83p\x95"
              "Distance W\r\n\r\n");
    Ktx_StringArray back;
    ASSERT_TRUE(ObjectExportReadFile("c:\\m.map", back));
    EXPECT_EQ(back, lines);
}

TEST_F(CoreFilesTest, FailedAtomicWriteKeepsTheOldFileAndLeavesNoTemporary) {
    put(root_ / "drives/c/t.txt", "old\r\n");
    coreInjectWriteFailure(3);
    EXPECT_FALSE(ObjectExportWriteFile("c:\\t.txt", Ktx_StringArray{"new content"}));
    EXPECT_EQ(get(root_ / "drives/c/t.txt"), "old\r\n");
    int entries = 0;
    for (auto& e : fs::directory_iterator(root_ / "drives/c")) entries += e.is_regular_file();
    EXPECT_EQ(entries, 1);
    // The fault is one-shot, and a folder that does not exist fails cleanly.
    EXPECT_TRUE(ObjectExportWriteFile("c:\\t.txt", Ktx_StringArray{"new"}));
    EXPECT_FALSE(ObjectExportWriteFile("c:\\no folder\\t.txt", Ktx_StringArray{"x"}));
}

TEST_F(CoreFilesTest, WildcardSearchIgnoresCaseAndRecursesInOrder) {
    put(root_ / "drives/c/lib/b.VNS", "");
    put(root_ / "drives/c/lib/A.vns", "");
    put(root_ / "drives/c/lib/a.vns.bak", "");
    put(root_ / "drives/c/lib/Childs/c.vns", "");
    put(root_ / "drives/c/lib/noext", "");
    Ktx_StringArray files;
    ASSERT_TRUE(ObjectExportFindFiles("c:\\lib", "*.vns", files));
    EXPECT_EQ(files, (Ktx_StringArray{"c:\\lib\\A.vns", "c:\\lib\\b.VNS"}));
    ASSERT_TRUE(ObjectExportFindFilesRecursive("c:\\lib\\", "*.VNS", files));
    EXPECT_EQ(files,
              (Ktx_StringArray{"c:\\lib\\A.vns", "c:\\lib\\b.VNS", "c:\\lib\\Childs\\c.vns"}));
    ASSERT_TRUE(ObjectExportFindFiles("c:\\lib", "*.*", files));
    EXPECT_EQ(files.length(), 4);
    EXPECT_TRUE(wildcardMatch("?.v*s", "A.vns"));
    EXPECT_FALSE(wildcardMatch("?.vns", "AB.vns"));
    EXPECT_FALSE(ObjectExportFindFiles("c:\\nothere", "*", files));
    EXPECT_TRUE(files.isEmpty());
}

TEST_F(CoreFilesTest, FolderCopyDeleteAndTimes) {
    EXPECT_TRUE(ObjectExportCreateDirectory("c:\\Cutting Stock\\HEA\\"));
    EXPECT_TRUE(ObjectExportFolderExists("C:\\cutting stock\\hea"));
    EXPECT_TRUE(ObjectExportWriteFile("c:\\Cutting Stock\\HEA\\a.shp", Ktx_StringArray{"1"}));
    EXPECT_TRUE(ObjectExportSetFileTime("c:\\Cutting Stock\\HEA\\a.shp", 1000000));
    std::time_t t = 0;
    EXPECT_TRUE(ObjectExportGetFileTime("c:\\Cutting Stock\\HEA\\a.shp", t));
    EXPECT_EQ(t, 1000000);
    EXPECT_TRUE(ObjectExportCopyFile("c:\\Cutting Stock\\HEA\\a.shp", "c:\\b.shp", false));
    EXPECT_FALSE(ObjectExportCopyFile("c:\\Cutting Stock\\HEA\\a.shp", "c:\\b.shp", false));
    EXPECT_TRUE(ObjectExportDeleteFile("c:\\b.shp"));
    EXPECT_FALSE(ObjectExportDeleteFile("c:\\b.shp"));
    EXPECT_FALSE(ObjectExportDeleteFile("c:\\Cutting Stock"));
    EXPECT_FALSE(ObjectExportGetFileTime("c:\\b.shp", t));
}

TEST(PathText, ExtensionsOfTheLastPartOnly) {
    EXPECT_EQ(removeExtension("a\\b.c\\d.txt"), "a\\b.c\\d");
    EXPECT_EQ(removeExtension("a\\b.c\\d"), "a\\b.c\\d");
    EXPECT_EQ(removeExtension("x.tar.gz"), "x.tar");
    EXPECT_EQ(changeExtension("c:\\lib\\s.vns", "map"), "c:\\lib\\s.map");
    EXPECT_EQ(changeExtension("c:\\lib\\s", ".map"), "c:\\lib\\s.map");
    EXPECT_EQ(changeExtension("c:\\l.b\\s", "bmp"), "c:\\l.b\\s.bmp");
    EXPECT_EQ(changeExtension("c:\\l.b\\s.vns", ""), "c:\\l.b\\s");
    EXPECT_EQ(changeExtension("s.", "map"), "s.map");
    EXPECT_EQ(getFileName("a\\b/c.txt"), "c.txt");
    EXPECT_EQ(getFolderName("a\\b\\c.txt"), "a\\b\\");
}

TEST(ObjectExportSortTest, PairedSortIsStableAndCarriesIndices) {
    Ktx_Array<double> values;
    for (double v : {3.0, 1.0, 2.0, 1.0}) values.append(v);
    Ktx_Array<int> indices;
    ObjectExportSort(values, indices);
    EXPECT_EQ(values.asVector(), (std::vector<double>{1, 1, 2, 3}));
    EXPECT_EQ(indices.asVector(), (std::vector<int>{1, 3, 2, 0}));
    ObjectExportSort(values, indices, false);
    EXPECT_EQ(indices.asVector(), (std::vector<int>{0, 2, 1, 3}));
    Ktx_StringArray names{"b", "B", "a"};
    ObjectExportSort(names, false);
    EXPECT_EQ(names, (Ktx_StringArray{"a", "b", "B"}));
    ObjectExportSort(names, true);
    EXPECT_EQ(names, (Ktx_StringArray{"B", "a", "b"}));
}
