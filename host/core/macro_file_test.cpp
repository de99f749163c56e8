#include "macro_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string_view>

namespace {

using namespace std::literals;

std::string exampleText(const char* name) {
    std::ifstream in(std::string(VN_SOURCE_DIR) + "/examples/macros/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct Loaded {
    Ktx_Macro macro;
    MacroData data;
    std::string error;
    bool ok = false;
};

Loaded load(const std::string& text) {
    Loaded l;
    l.ok = parseMacroText(text, l.macro, l.data, l.error);
    return l;
}

TEST(MacroFile, ExampleLoadsWholeMacro) {
    Loaded l = load(exampleText("end_plate.macro"));
    ASSERT_TRUE(l.ok) << l.error;
    EXPECT_EQ(l.macro.name, "End plate IPE-HEA");
    ASSERT_EQ(l.macro.modules.size(), 3u);
    const Ktx_Module& plate = l.macro.modules[0];
    EXPECT_EQ(plate.label, "End plate");
    ASSERT_EQ(plate.variables.size(), 6u);
    EXPECT_FALSE(plate.variables[3].settable);
    EXPECT_FALSE(plate.variables[4].visible);
    EXPECT_FALSE(plate.variables[5].dialog);
    EXPECT_DOUBLE_EQ(plate.cuts[0].offsets[kCutChamferOffset2], 10.0);
    const Ktx_Module& bolts = l.macro.modules[1];
    ASSERT_EQ(bolts.patterns.size(), 1u);
    EXPECT_TRUE(bolts.patterns[0].twoDirectional);
    EXPECT_FALSE(bolts.patterns[0].reverseStart1);
    EXPECT_TRUE(bolts.patterns[0].reverseStart2);
    EXPECT_EQ(l.macro.baseProfiles[1].sectionName, "HEA-200");
    EXPECT_EQ(l.macro.baseProfiles[1].name, "Prof1");
    ASSERT_EQ(l.data.tabs.size(), 3u);
    EXPECT_EQ(l.data.tabs[1].bolts->patterns[0].nrBolts2, "3");
    EXPECT_EQ(l.data.tabs[2].groups[0].memberName, "Stiffener plate");
}

TEST(MacroFile, WrittenTextReadsBackEqual) {
    for (const char* name : {"end_plate.macro", "two_beams.macro"}) {
        Loaded first = load(exampleText(name));
        ASSERT_TRUE(first.ok) << first.error;
        std::string text;
        ASSERT_TRUE(formatMacroText(first.macro, first.data, text));
        Loaded second = load(text);
        ASSERT_TRUE(second.ok) << second.error;
        std::string again;
        ASSERT_TRUE(formatMacroText(second.macro, second.data, again));
        EXPECT_EQ(text, again) << name;
        EXPECT_EQ(second.data.tabs.size(), first.data.tabs.size());
    }
}

TEST(MacroFile, LargeAndTinyNumbersWriteInFull) {
    Loaded l = load(
        "general Big 1e300\r\ngeneral Neg -123456789012345678901234567890\r\n"
        "general Tiny 0.000000001\r\n");
    ASSERT_TRUE(l.ok) << l.error;
    std::string text;
    ASSERT_TRUE(formatMacroText(l.macro, l.data, text));
    Loaded again = load(text);
    ASSERT_TRUE(again.ok) << again.error;
    EXPECT_EQ(again.macro.generalVariables[0].value, 1e300);
    EXPECT_EQ(again.macro.generalVariables[1].value, -123456789012345678901234567890.0);
    EXPECT_EQ(again.macro.generalVariables[2].value, 0.0);
}

TEST(MacroFile, EveryModuleGetsATab) {
    Loaded l = load(exampleText("two_beams.macro"));
    ASSERT_TRUE(l.ok) << l.error;
    int index = -1;
    EXPECT_TRUE(l.data.findTab("Left", index));
    EXPECT_TRUE(l.data.findTab("Right", index));
}

TEST(MacroFile, ErrorsNameTheLineAndLoadNothing) {
    struct Case {
        std::string_view text;
        const char* error;
    } cases[] = {
        {"module A other\n  var W\n", "line 2: 'var' takes 2 to 4 values, found 1"},
        {"module A bolts\n", "line 1: unknown module kind 'bolts' (bolt, profile or other)"},
        {"module A other\nmodule A bolt\n", "line 2: module 'A' declared twice"},
        {"var W 1\n",
         "line 1: unknown statement 'var' (module and tab items need a module or tab first)"},
        {"module A other\n  var W 1O\n", "line 2: '1O' is not a number"},
        {"module A other\n  pattern P one\n", "line 2: patterns belong to bolt modules"},
        {"module A bolt\n  pattern P one reverse2\n", "line 2: unknown pattern flag 'reverse2'"},
        {"module A other\n  cut C chamfer Cut=1\n",
         "line 2: 'Cut=1' is no offset of a chamfer cut"},
        {"group G A\nmodule B other\n", "line 1: module group 'G' names unknown module 'A'"},
        {"macro \"open\n", "line 1: unterminated quoted word"},
        {"tab T\n  nrbolts P 2\n", "line 2: 'nrbolts' needs a 'bolts' line before it"},
        {"general g 1\ngeneral g 2\n", "line 2: general variable 'g' declared twice"},
        {"module A other\nmodule B\x14\0\0 other\n"sv, "line 2: a NUL byte in the line"},
    };
    for (const Case& c : cases) {
        Ktx_Macro macro;
        macro.name = "kept";
        MacroData data;
        data.tabs.resize(1);
        std::string error;
        EXPECT_FALSE(parseMacroText(std::string(c.text), macro, data, error)) << c.text;
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(macro.name, "kept");
        EXPECT_EQ(data.tabs.size(), 1u);
    }
}

TEST(MacroFile, QuotedWordsKeepBlanksQuotesAndHashes) {
    const std::string word = "a \"b\" #c";
    std::vector<std::string> words;
    std::string error;
    ASSERT_TRUE(splitMacroFileLine("x " + quoteMacroFileWord(word) + " \"\" # note", words, error));
    ASSERT_EQ(words.size(), 3u);
    EXPECT_EQ(words[1], word);
    EXPECT_EQ(words[2], "");
}

TEST(MacroFile, CrlfAndLfReadAlike) {
    Loaded lf = load("module A other\n  var W 1.5\n");
    Loaded crlf = load("module A other\r\n  var W 1.5\r\n");
    ASSERT_TRUE(lf.ok && crlf.ok);
    EXPECT_EQ(crlf.macro.modules[0].variables[0].name, "W");
    EXPECT_DOUBLE_EQ(crlf.macro.modules[0].variables[0].value, 1.5);
}

TEST(MacroFile, NameWithLineBreakCannotBeWritten) {
    Ktx_Macro macro;
    macro.name = "two\nlines";
    MacroData data;
    std::string text = "unchanged";
    EXPECT_FALSE(formatMacroText(macro, data, text));
    EXPECT_EQ(text, "unchanged");
}

}  // namespace
