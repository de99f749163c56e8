#include "section_types.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "dial_string.h"
#include "file_ops.h"
#include "section_images.h"
#include "sections_test_support.h"

namespace {

TEST(SectionTypes, ShapeTextIsADrawingOnlyWithItsExtension) {
    EXPECT_FALSE(isDrawingShape("10"));
    EXPECT_EQ(shapeTypeNumber("10"), 10);
    EXPECT_TRUE(isDrawingShape("10.dwg"));
    EXPECT_EQ(shapeTypeNumber("10.dwg"), 0);
    EXPECT_FALSE(isDrawingShape(""));
    EXPECT_EQ(shapeTypeNumber(""), 0);
    EXPECT_EQ(shapeTypeNumber("7abc"), 7);
}

TEST(SectionTypes, EveryTypeHasAPictureANameAndValueColumns) {
    for (int type = kFirstSectionType; type <= kLastSectionType; ++type) {
        EXPECT_TRUE(sectionTypeImageBase(type).startsWith("ProfSection")) << type;
        EXPECT_FALSE(sectionTypeValueNames(type).isEmpty()) << type;
    }
    for (int outside : {0, -1, 25}) {
        EXPECT_EQ(sectionTypeImageBase(outside), "");
        EXPECT_EQ(sectionTypeDisplayName(outside), "");
        EXPECT_TRUE(sectionTypeValueNames(outside).isEmpty());
    }
    EXPECT_EQ(sectionTypeImageBase(19), "ProfSectionSigma+");
    EXPECT_EQ(sectionTypeValueNames(7), sectionTypeValueNames(6));
    EXPECT_EQ(sectionTypeValueNames(16), sectionTypeValueNames(15));
}

TEST(SectionTypes, ValueNamesFollowTheirKeysWithTheDigit) {
    const Ktx_StringArray names = sectionTypeValueNames(13);
    ASSERT_EQ(names.length(), 6);
    EXPECT_EQ(names[0], dialString(736));
    EXPECT_EQ(names[1], dialString(749) + "1");
    EXPECT_EQ(names[3], dialString(750) + "2");
    EXPECT_EQ(names[4], dialString(749) + "2");
    EXPECT_EQ(sectionTypeValueNames(10), (Ktx_StringArray{dialString(736), dialString(737),
                                                          dialString(744), dialString(740)}));
}

TEST(SectionTypes, DisplayEntriesTurnBackIntoTheirNumber) {
    for (int type = kFirstSectionType; type <= kLastSectionType; ++type) {
        EXPECT_EQ(sectionTypeFromDisplayEntry(sectionTypeDisplayEntry(type)), type);
    }
    EXPECT_EQ(sectionTypeDisplayEntry(10), "<" + dialString(728) + ">");
    EXPECT_EQ(sectionTypeFromDisplayEntry(dialString(728)), -1);
    EXPECT_EQ(shapeFromDisplayEntry(sectionTypeDisplayEntry(3)), "3");
    EXPECT_EQ(shapeFromDisplayEntry("beam.dwg"), "beam.dwg");
    EXPECT_EQ(shapeDisplayEntry("beam.dwg"), "beam.dwg");
}

class SectionImages : public SectionsLibraryTest {
  protected:
    void picture(const std::filesystem::path& path, const std::string& bytes = "BM") {
        writeText(path, bytes);
    }
    void setTime(const std::filesystem::path& path, std::time_t when) {
        ASSERT_TRUE(ObjectExportSetFileTime(windowsPathFromHost(path.string()), when));
    }
};

TEST_F(SectionImages, TypesAndDrawingsFindTheirPictureOfTheWantedSize) {
    picture(icons() / "ProfSectionRectTube-big.bmp");
    picture(icons() / "beam-small.bmp");
    EXPECT_EQ(sectionImageName("10", "", true), "ProfSectionRectTube-big.bmp");
    EXPECT_EQ(sectionImageName("10", "", false), "Unknown-small.bmp");
    EXPECT_EQ(sectionImageName("beam.dwg", "", false), "beam-small.bmp");
    EXPECT_EQ(sectionImageName("99", "", true), "Unknown-big.bmp");
}

TEST_F(SectionImages, AUserSectionPictureIsCopiedOnceAndAgainWhenNewer) {
    const auto own = lib() / "User Sections" / "Bracket.bmp";
    const auto copy = icons() / "Bracket-automated.bmp";
    picture(own, "BM-one");
    setTime(own, 1000000);
    EXPECT_EQ(sectionImageName("", "User Sections\\Bracket.dwg", false), "Bracket-automated.bmp");
    EXPECT_EQ(readText(copy), "BM-one");
    EXPECT_EQ(sectionImageName("", "User Sections\\Bracket.dwg", true), "Unknown-big.bmp");

    picture(copy, "BM-kept");  // newer than the picture: left alone
    EXPECT_EQ(sectionImageName("", "Bracket.dwg", false), "Bracket-automated.bmp");
    EXPECT_EQ(readText(copy), "BM-kept");

    setTime(copy, 500000);  // older than the picture: copied again
    EXPECT_EQ(sectionImageName("", "Bracket.dwg", false), "Bracket-automated.bmp");
    EXPECT_EQ(readText(copy), "BM-one");

    picture(icons() / "Bracket-small.bmp");
    EXPECT_EQ(sectionImageName("", "User Sections\\Bracket.dwg", false), "Bracket-small.bmp");
    EXPECT_EQ(sectionImageName("", "User Sections\\Nothing.dwg", false), "Unknown-small.bmp");
}

}  // namespace
