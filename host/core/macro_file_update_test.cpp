#include <gtest/gtest.h>

#include "macro_file.h"

namespace {

const std::string kFile =
    "# a bracket\n"
    "macro Bracket\n"
    "\n"
    "module Plate1 other label \"End plate\"\n"
    "  placement Plate PL10 S235\n"
    "  var W 200                     # plate width\n"
    "  var H 120.0   # height\n"
    "  var Long 1000 # a long one\n"
    "tab \"End plate\"\n"
    "  bolts 20 2 # diameter\n";

struct Parsed {
    Ktx_Macro macro;
    MacroData data;
};

Parsed parsed(const std::string& text) {
    Parsed p;
    std::string error;
    EXPECT_TRUE(parseMacroText(text, p.macro, p.data, error)) << error;
    return p;
}

TEST(MacroFileUpdate, OnlyChangedValuesAreReplacedAndCommentsKeepTheirColumn) {
    Parsed p = parsed(kFile);
    p.macro.modules[0].variables[0].value = 180;    // W: same width
    p.macro.modules[0].variables[2].value = 99999;  // Long: wider than before
    p.data.tabs[0].bolts->diameter = "24";
    std::string text;
    ASSERT_TRUE(updateMacroText(kFile, p.macro, p.data, text));
    EXPECT_EQ(text,
              "# a bracket\n"
              "macro Bracket\n"
              "\n"
              "module Plate1 other label \"End plate\"\n"
              "  placement Plate PL10 S235\n"
              "  var W 180                     # plate width\n"
              "  var H 120.0   # height\n"
              "  var Long 99999 # a long one\n"
              "tab \"End plate\"\n"
              "  bolts 24 2 # diameter\n");
    Parsed back = parsed(text);
    EXPECT_DOUBLE_EQ(back.macro.modules[0].variables[2].value, 99999);
}

TEST(MacroFileUpdate, AnUnchangedMacroGivesTheFileByteForByte) {
    const std::string crlf = "macro A\r\nmodule M other\r\n  var W 1.50 # kept as written\r\n";
    Parsed p = parsed(crlf);
    std::string text;
    ASSERT_TRUE(updateMacroText(crlf, p.macro, p.data, text));
    EXPECT_EQ(text, crlf);
    p.macro.modules[0].variables[0].value = 2;
    ASSERT_TRUE(updateMacroText(crlf, p.macro, p.data, text));
    EXPECT_EQ(text, "macro A\r\nmodule M other\r\n  var W 2    # kept as written\r\n");
}

TEST(MacroFileUpdate, AStatementAddedOrAFileThatDoesNotParseGivesTheCanonicalText) {
    Parsed p = parsed(kFile);
    p.macro.modules[0].memberGroups.push_back("Stiffener");
    std::string canonical, text;
    ASSERT_TRUE(formatMacroText(p.macro, p.data, canonical));
    ASSERT_TRUE(updateMacroText(kFile, p.macro, p.data, text));
    EXPECT_EQ(text, canonical);
    ASSERT_TRUE(updateMacroText("module \"unterminated\n", p.macro, p.data, text));
    EXPECT_EQ(text, canonical);
}

}  // namespace
