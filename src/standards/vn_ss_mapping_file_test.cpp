#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>

#include "file_ops.h"
#include "ktx_settings.h"
#include "mapping_file.h"
#include "path_translation.h"
#include "text_file.h"
#include "vn_object_map_test_macros.h"
#include "vn_ss_mapping.h"

namespace {

class MappingFile : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("vn_mapping_file_test_" +
               std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        ssName = (dir / "Bracket").string();
        mapPath = (dir / "Bracket.map").string();
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::string fileBytes() {
        std::ifstream in(mapPath, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    void writeBytes(const std::string& bytes) { std::ofstream(mapPath, std::ios::binary) << bytes; }
    static VnSSMapping bracket() {
        VnSSMapping m;
        m.appendMap(makeMap("Width", "Plate1", VnMapDistance, "W"));
        m.appendMap(makeMap("Hole", "Bolts1", VnMapBoltsDiameter, "D"));
        return m;
    }

    std::filesystem::path dir;
    std::string ssName, mapPath;
};

const char* const kBracketLine =
    "Bracket=Width\x83Plate1\x95"
    "Distance W\xBFHole\x83"
    "Bolts1\x95"
    "BoltsDiameter D\r\n";

TEST_F(MappingFile, WrittenByteForByte) {
    ASSERT_EQ(bracket().setMappingToFile(ssName, "Bracket"), Acad::eOk);
    EXPECT_EQ(fileBytes(), std::string("Mapping version 1.0\r\n") + kBracketLine);
}

TEST_F(MappingFile, PathIsBesideTheStandardInTheLibrary) {
    EXPECT_EQ(mappingFilePath("a\\b.vns"), "a\\b.map");
    EXPECT_TRUE(mappingFilePath("Bracket").endsWith("Connection Standards\\Bracket.map"));
}

TEST_F(MappingFile, EqualMappingLeavesTheFileUntouched) {
    ASSERT_EQ(bracket().setMappingToFile(ssName, "Bracket"), Acad::eOk);
    ASSERT_TRUE(ObjectExportSetFileTime(mapPath, 1000000));
    const std::string before = fileBytes();
    VnSSMapping same = bracket();
    same.map(0).ssVarName = "WIDTH";
    same.map(1).visibility = 0;
    ASSERT_EQ(same.setMappingToFile(ssName, "Bracket"), Acad::eOk);
    std::time_t modified = 0;
    ASSERT_TRUE(ObjectExportGetFileTime(mapPath, modified));
    EXPECT_EQ(modified, 1000000);
    EXPECT_EQ(fileBytes(), before);
}

TEST_F(MappingFile, ChangedMappingMovesItsLineToTheEnd) {
    VnSSMapping first = bracket();
    ASSERT_EQ(first.setMappingToFile(ssName, "A"), Acad::eOk);
    ASSERT_EQ(first.setMappingToFile(ssName, "B"), Acad::eOk);
    ASSERT_EQ(first.setMappingToFile(ssName, "C"), Acad::eOk);
    VnSSMapping changed;
    changed.appendMap(makeMap("Width", "Plate1", VnMapDistance, "H"));
    ASSERT_EQ(changed.setMappingToFile(ssName, "A"), Acad::eOk);
    Ktx_StringArray lines;
    ASSERT_TRUE(readMappingLines(mapPath, lines));
    ASSERT_EQ(lines.length(), 3);
    EXPECT_EQ(mappingLineKey(lines[0]), "B");
    EXPECT_EQ(mappingLineKey(lines[1]), "C");
    EXPECT_EQ(lines[2],
              "A=Width\x83Plate1\x95"
              "Distance H");
}

TEST_F(MappingFile, HeaderlessFileKeepsItsFirstLineAsAMapping) {
    writeBytes(
        "Old=W\x83P\x95"
        "Distance W\n");
    VnSSMapping old;
    ASSERT_EQ(old.getMappingFromFile(ssName, "Old"), Acad::eOk);
    ASSERT_EQ(old.mapCount(), 1);
    ASSERT_EQ(bracket().setMappingToFile(ssName, "Bracket"), Acad::eOk);
    EXPECT_EQ(fileBytes(), std::string("Mapping version 1.0\r\nOld=W\x83P\x95") + "Distance W\r\n" +
                               kBracketLine);
}

TEST_F(MappingFile, OnlyTheFirstMapOfAVariableIsWritten) {
    VnSSMapping m = bracket();
    m.appendMap(makeMap("width", "Plate1", VnMapDistance, "H"));
    m.appendMap(makeMap("Bad/Name", "Plate1", VnMapDistance, "T"));
    m.appendMap(makeMap("Unset", "Plate1", VnMapNone, "T"));
    m.appendMap(makeMap("Broken",
                        "Pl\xBF"
                        "ate",
                        VnMapDistance, "T"));
    ASSERT_EQ(m.setMappingToFile(ssName, "Bracket"), Acad::eOk);
    EXPECT_EQ(fileBytes(), std::string("Mapping version 1.0\r\n") + kBracketLine);
}

TEST_F(MappingFile, LinesWithPairsThatDoNotParse) {
    writeBytes(
        "Mapping version 1.0\r\nK=A\x83P\x95"
        "Distance W\xBF\xBF"
        "B\xBF"
        "C\x83P\x95Nope X"
        "\xBF"
        "D\x83P\x95"
        "GenVar g\r\n");
    VnSSMapping m;
    ASSERT_EQ(m.getMappingFromFile(ssName, "K"), Acad::eOk);
    ASSERT_EQ(m.mapCount(), 2);
    EXPECT_EQ(m.map(0).ssVarName, "A");
    EXPECT_EQ(m.map(1).kind, VnMapGenVar);
    EXPECT_EQ(m.getMappingFromFile(ssName, "k"), Acad::eInvalidInput);  // keys are exact
    EXPECT_EQ(m.initMappingFromLine("no equals sign"), Acad::eInvalidInput);
    EXPECT_EQ(m.mapCount(), 0);
}

TEST_F(MappingFile, MissingAndEmptyFiles) {
    VnSSMapping m = bracket();
    EXPECT_EQ(m.getMappingFromFile(ssName, "Bracket"), Acad::eInvalidInput);
    Ktx_String key;
    EXPECT_FALSE(m.hasSameMapping(ssName, key));
    writeBytes("");
    EXPECT_EQ(m.getMappingFromFile(ssName, "Bracket"), Acad::eOk);
    EXPECT_EQ(m.mapCount(), 2);
}

// The maps of a settled file are kept; a change of the file or of the library folder a
// standard's name is looked up in is seen at the next read.
TEST_F(MappingFile, KeptMapsFollowTheFileAndTheLibraryFolder) {
    auto settle = [](const std::string& path) {
        std::filesystem::last_write_time(
            path, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    };
    writeBytes(
        "Mapping version 1.0\r\nK=A\x83P\x95"
        "Distance W\r\n");
    settle(mapPath);
    for (int read = 0; read < 2; ++read) {
        VnSSMapping m = bracket();
        ASSERT_EQ(m.getMappingFromFile(ssName, "K"), Acad::eOk);
        // Changing a copy, or the mapping itself, leaves the kept maps as read.
        VnSSMapping copy = m;
        copy.map(0).varName = "H";
        EXPECT_EQ(std::as_const(m).map(0).varName, "W");
        ASSERT_EQ(m.mapCount(), 1);
        EXPECT_EQ(m.map(0).ssVarName, "A");
        EXPECT_EQ(m.map(0).varName, "W");
        m.map(0).varName = "X";
    }
    writeBytes(
        "Mapping version 1.0\r\nK=B\x83P\x95"
        "Distance H\r\nL\r\n");
    settle(mapPath);
    VnSSMapping m;
    ASSERT_EQ(m.getMappingFromFile(ssName, "K"), Acad::eOk);
    ASSERT_EQ(m.mapCount(), 1);
    EXPECT_EQ(m.map(0).ssVarName, "B");
    EXPECT_EQ(m.getMappingFromFile(ssName, "L"), Acad::eInvalidInput);  // a line without "="

    const Ktx_String libDir = gSettings.libDir;
    for (const char* folder : {"one", "two"}) {
        std::filesystem::create_directories(dir / folder / "Connection Standards");
        std::ofstream(dir / folder / "Connection Standards" / "Std.map", std::ios::binary)
            << "K=" << folder << "\x83P\x95"
            << "Distance W\r\n";
        gSettings.setLibDir(windowsPathFromHost((dir / folder).string()));
        ASSERT_EQ(m.getMappingFromFile("Std", "K"), Acad::eOk);
        ASSERT_EQ(m.mapCount(), 1);
        EXPECT_EQ(m.map(0).ssVarName, folder);
    }
    gSettings.libDir = libDir;
}

TEST_F(MappingFile, SameMappingFindsItsKey) {
    ASSERT_EQ(bracket().setMappingToFile(ssName, "First"), Acad::eOk);
    VnSSMapping one;
    one.appendMap(makeMap("Hole", "Bolts1", VnMapBoltsDiameter, "D"));
    ASSERT_EQ(one.setMappingToFile(ssName, "Second"), Acad::eOk);
    Ktx_String key;
    ASSERT_TRUE(one.hasSameMapping(ssName, key));
    EXPECT_EQ(key, "First");  // the first line it equals
    VnSSMapping other;
    other.appendMap(makeMap("Hole", "Bolts1", VnMapBoltsHoleOffset, "D"));
    EXPECT_FALSE(other.hasSameMapping(ssName, key));
}

TEST_F(MappingFile, FailedWriteKeepsTheOldFile) {
    ASSERT_EQ(bracket().setMappingToFile(ssName, "Bracket"), Acad::eOk);
    const std::string before = fileBytes();
    VnSSMapping changed;
    changed.appendMap(makeMap("Width", "Plate1", VnMapDistance, "H"));
    coreInjectWriteFailure(5);
    EXPECT_EQ(changed.setMappingToFile(ssName, "Bracket"), Acad::eInvalidInput);
    coreInjectWriteFailure(-1);
    EXPECT_EQ(fileBytes(), before);
    EXPECT_EQ(changed.setMappingToFile(ssName, "Key=With=Equals"), Acad::eInvalidInput);
    EXPECT_EQ(fileBytes(), before);
}

}  // namespace
