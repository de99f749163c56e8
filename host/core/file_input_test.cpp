// How the Core library's readers take the text people's editors and tools write: lone CR line
// ends, a UTF-8 byte-order mark, and words that do not belong in a message.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core.h"
#include "ktx_properties_list.h"
#include "macro_file.h"
#include "path_translation.h"
#include "section_table_file.h"
#include "text_file.h"

namespace fs = std::filesystem;

namespace {

const std::string kMacro =
    "# comment\nmacro \"M\"\nmodule A other\n  var W 1.5   # width\n  var H 2\n";

std::string withLineEnds(std::string text, const std::string& end) {
    std::string out;
    for (char c : text) out += c == '\n' ? end : std::string(1, c);
    return out;
}

TEST(FileInput, MacroWithLoneCarriageReturnsReadsAsWithLineFeeds) {
    for (const char* end : {"\n", "\r\n", "\r"}) {
        Ktx_Macro macro;
        MacroData data;
        std::string error;
        ASSERT_TRUE(parseMacroText(withLineEnds(kMacro, end), macro, data, error)) << error;
        EXPECT_EQ(macro.name, "M");
        ASSERT_EQ(macro.modules.size(), 1u);
        ASSERT_EQ(macro.modules[0].variables.size(), 2u);
        EXPECT_DOUBLE_EQ(macro.modules[0].variables[1].value, 2);
    }
}

TEST(FileInput, Utf8ByteOrderMarkBeforeAMacroIsSkipped) {
    Ktx_Macro macro;
    MacroData data;
    std::string error;
    ASSERT_TRUE(parseMacroText("\xEF\xBB\xBF" + kMacro, macro, data, error)) << error;
    EXPECT_EQ(macro.name, "M");
    // Only at the very start: elsewhere the bytes are text like any other.
    EXPECT_FALSE(parseMacroText(kMacro + "\xEF\xBB\xBFmodule B other\n", macro, data, error));
}

TEST(FileInput, MessagesQuoteAFewDozenBytesWithControlBytesEscaped) {
    Ktx_Macro macro;
    MacroData data;
    std::string error;
    EXPECT_FALSE(
        parseMacroText("\x1B[31mred" + std::string(100000, 'x') + "\n", macro, data, error));
    EXPECT_EQ(error, "line 1: unknown statement '\\x1B[31mred" + std::string(32, 'x') +
                         "...' (module and tab items need a module or tab first)");
}

TEST(FileInput, TablesAndPropertiesListsTakeEveryLineEndAndAByteOrderMark) {
    const Ktx_Array<Ktx_StringArray> rows = parseTableText(
        "\xEF\xBB\xBF"
        "a\tb\rc\td\r\n");
    ASSERT_EQ(rows.length(), 2);
    EXPECT_EQ(rows[0][0], "a");
    EXPECT_EQ(rows[1][1], "d");
    Ktx_PropertiesList list;
    ASSERT_EQ(list.fromText("\xEF\xBB\xBF"
                            "a=1\rb=2\r"),
              Acad::eOk);
    EXPECT_EQ(list.toText(), "a=1\r\nb=2\r\n");
}

TEST(FileInput, RegressionATableWhoseFirstCellStartsWithAMarkIsNotWritten) {
    // Two marks: the first is skipped, the second stays in the first cell; writing that cell
    // would give a text whose mark is skipped again, so a different table.
    const Ktx_Array<Ktx_StringArray> rows = parseTableText(
        "\xEF\xBB\xBF\xEF\xBB\xBF"
        "a\tb\r\n");
    ASSERT_EQ(rows[0][0],
              "\xEF\xBB\xBF"
              "a");
    std::string text = "kept";
    EXPECT_FALSE(formatTableText(rows, text));
    EXPECT_EQ(text, "kept");
}

class FileInputOnDisk : public ::testing::Test {
  protected:
    fs::path root = fs::temp_directory_path() / ("vn_file_input_" + std::to_string(getpid()));
    void SetUp() override {
        coreResetForTests();
        fs::create_directories(root / "c");
        setDriveRoot(root.string());
    }
    void TearDown() override {
        fs::remove_all(root);
        coreResetForTests();
    }
};

TEST_F(FileInputOnDisk, TextFilesWithLoneCarriageReturnsOrAMarkReadAsLines) {
    std::ofstream(root / "c" / "cr.txt", std::ios::binary) << "\xEF\xBB\xBF"
                                                              "Mapping version 1.0\ra\r\rb";
    Ktx_StringArray lines;
    ASSERT_TRUE(ObjectExportReadFile("c:\\cr.txt", lines));
    EXPECT_EQ(lines, (Ktx_StringArray{"Mapping version 1.0", "a", "", "b"}));
}

TEST_F(FileInputOnDisk, AFolderOrAHugeFileIsRefusedWithAMessage) {
    fs::create_directories(root / "c" / "dir.macro");
    std::string bytes, error;
    EXPECT_FALSE(coreReadFileBytes("c:\\dir.macro", bytes, &error));
    EXPECT_EQ(error, (root / "c" / "dir.macro").string() + ": is a folder");
    Ktx_Macro macro;
    MacroData data;
    Ktx_String message;
    EXPECT_FALSE(readMacroFile("c:\\dir.macro", macro, data, message));
}

TEST_F(FileInputOnDisk, FullDiskKeepsTheOldTextFileAndLeavesNoTemporary) {
    ASSERT_TRUE(ObjectExportWriteFile("c:\\m.map", Ktx_StringArray{"old"}));
    coreInjectWriteFailure(2);
    EXPECT_FALSE(ObjectExportWriteFile("c:\\m.map", Ktx_StringArray{"new line"}));
    Ktx_StringArray lines;
    ASSERT_TRUE(ObjectExportReadFile("c:\\m.map", lines));
    EXPECT_EQ(lines, Ktx_StringArray{"old"});
    EXPECT_EQ(std::distance(fs::directory_iterator(root / "c"), {}), 1);
}

}  // namespace
