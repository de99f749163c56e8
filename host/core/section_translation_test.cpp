#include "section_translation.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "path_translation.h"

TEST(SectionTranslation, TypedLinesMakePairsDroppingEmptyNamesAndKeepingTheFirstPlaceOfATwin) {
    Ktx_StringArray names, translations;
    sectionTranslationFromLines("IPE 200\r\n\r\nHEA 100\r\nIPE 200\r\nUPN 80",
                                "I200\r\nlost\r\nW4X13\r\nIPE200", names, translations);
    EXPECT_EQ(names, (Ktx_StringArray{"IPE 200", "HEA 100", "UPN 80"}));
    EXPECT_EQ(translations, (Ktx_StringArray{"IPE200", "W4X13", ""}));
}

TEST(SectionTranslation, WrittenPairsReadBackAndADamagedFileGivesEmptyLists) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("vn_translation_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const Ktx_String file = windowsPathFromHost((dir / "t.dat").string());
    ASSERT_TRUE(sectionTranslationWrite(file, {"L 50x5", "a=b"}, {"L2X2X3/16", "x"}));
    Ktx_StringArray names{"old"}, translations;
    ASSERT_TRUE(readSectionTranslation(file, names, translations));
    EXPECT_EQ(names, (Ktx_StringArray{"L 50x5", "a=b"}));
    EXPECT_EQ(translations, (Ktx_StringArray{"L2X2X3/16", "x"}));
    std::ofstream(dir / "t.dat", std::ios::binary) << "no separator here\r\n";
    EXPECT_FALSE(readSectionTranslation(file, names, translations));
    EXPECT_TRUE(names.isEmpty());
    std::filesystem::remove_all(dir);
}
