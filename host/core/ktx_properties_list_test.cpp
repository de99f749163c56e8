#include "ktx_properties_list.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core_reset.h"
#include "path_translation.h"
#include "text_file.h"

namespace fs = std::filesystem;

TEST(PropertiesList, EveryByteRoundTripsThroughTheText) {
    Ktx_PropertiesList list;
    std::string allBytes;
    for (int b = 0; b < 256; ++b) allBytes += static_cast<char>(b);
    list.setProperty("contents0", Ktx_String(allBytes));
    list.setProperty("#key=with%odd\r\nbytes", "v=1");
    list.setProperty("path", "c:\\lib\\Dialog Templates\\ ");
    list.setProperty("empty", "");
    Ktx_PropertiesList back;
    ASSERT_EQ(back.fromText(list.toText()), Acad::eOk);
    EXPECT_EQ(back, list);
    // Readable where nothing needs escaping: paths keep their backslashes.
    EXPECT_NE(list.toText().find("path=c:\\lib\\Dialog Templates\\ \r\n"), std::string::npos);
}

TEST(PropertiesList, AFirstKeyStartingWithTheByteOrderMarkBytesKeepsThem) {
    Ktx_PropertiesList list;
    list.setProperty("\xEF\xBB\xBFkey", "1");
    list.setProperty("\xEF\xBB\xBFsecond", "2");
    Ktx_PropertiesList back;
    ASSERT_EQ(back.fromText(list.toText()), Acad::eOk);
    EXPECT_EQ(back, list);
}

TEST(PropertiesList, NumbersAndOrder) {
    Ktx_PropertiesList list;
    list.setProperty("nrOfControls", 2);
    list.setProperty("topLeftX0", 0.1);
    list.setProperty("bottomRightX0", 1.0 / 3.0);
    list.setProperty("nrOfControls", 3);  // replaced in place
    EXPECT_EQ(list.toText(),
              "nrOfControls=3\r\ntopLeftX0=0.1\r\nbottomRightX0=0.3333333333333333\r\n");
    int n = 0;
    double d = 0;
    EXPECT_TRUE(list.getProperty("nrOfControls", n));
    EXPECT_EQ(n, 3);
    EXPECT_TRUE(list.getProperty("bottomRightX0", d));
    EXPECT_EQ(d, 1.0 / 3.0);
    list.setProperty("word", "12abc");
    n = -7;
    EXPECT_FALSE(list.getProperty("word", n));
    EXPECT_FALSE(list.getProperty("missing", n));
    EXPECT_EQ(n, -7);
    EXPECT_EQ(list.setProperty("", "x"), Acad::eInvalidInput);
}

TEST(PropertiesList, DamagedTextFailsAndKeepsTheList) {
    Ktx_PropertiesList list;
    list.setProperty("keep", "me");
    const Ktx_PropertiesList before = list;
    for (const char* damaged :
         {"a=1\nno equals sign\n", "=value\n", "a=%4\n", "a=%G0\n", "a=50%\n", "k%=1\n"}) {
        EXPECT_EQ(list.fromText(damaged), Acad::eInvalidInput) << damaged;
        EXPECT_EQ(list, before) << damaged;
    }
    // Comments, empty lines, LF ends, lower-case hex and repeated keys are accepted.
    ASSERT_EQ(list.fromText("# note\n\na=%0d%0A\nb=1\r\nb=2"), Acad::eOk);
    Ktx_String value;
    EXPECT_TRUE(list.getProperty("a", value));
    EXPECT_EQ(value, "\r\n");
    EXPECT_TRUE(list.getProperty("b", value));
    EXPECT_EQ(value, "2");
    EXPECT_EQ(list.count(), 2);
}

TEST(PropertiesList, FilesReadAndWrittenWhole) {
    coreResetForTests();
    const fs::path dir = fs::temp_directory_path() / ("vn_props_" + std::to_string(getpid()));
    fs::create_directories(dir);
    const Ktx_String file = windowsPathFromHost((dir / "t.txt").string());
    Ktx_PropertiesList list;
    list.setProperty("type0", 3);
    ASSERT_EQ(list.writeToFile(file), Acad::eOk);
    Ktx_PropertiesList back;
    ASSERT_EQ(back.readFromFile(file), Acad::eOk);
    EXPECT_EQ(back, list);
    EXPECT_EQ(back.readFromFile(windowsPathFromHost((dir / "none.txt").string())),
              Acad::eFileNotFound);
    std::ofstream(dir / "bad.txt") << "type0=1\ngarbage\n";
    EXPECT_EQ(back.readFromFile(windowsPathFromHost((dir / "bad.txt").string())),
              Acad::eInvalidInput);
    EXPECT_EQ(back, list);
    coreInjectWriteFailure(0);
    EXPECT_EQ(Ktx_PropertiesList().writeToFile(file), Acad::eFileAccessErr);
    ASSERT_EQ(back.readFromFile(file), Acad::eOk);
    EXPECT_EQ(back, list);
    fs::remove_all(dir);
}
