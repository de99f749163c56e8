#include "object_export_sort.h"

#include <gtest/gtest.h>

namespace {

TEST(AddToSorted, SectionNamesGoWhereAPersonWouldLookForThem) {
    Ktx_StringArray squares({"50x50x5", "60x60x6", "100x100x10"});
    EXPECT_EQ(ObjectExportAddToSorted(squares, "80x80x8"), 3);
    EXPECT_EQ(squares, Ktx_StringArray({"50x50x5", "60x60x6", "80x80x8", "100x100x10"}));
    EXPECT_EQ(ObjectExportAddToSorted(squares, "40x40x4"), 1);
    EXPECT_EQ(ObjectExportAddToSorted(squares, "120x120x12"), 6);
    EXPECT_EQ(ObjectExportAddToSorted(squares, "60x60x6"), 4);  // after its equal
    Ktx_StringArray none;
    EXPECT_EQ(ObjectExportAddToSorted(none, "HEA100"), 1);
    EXPECT_EQ(none.length(), 1);
}

TEST(AddToSorted, NumbersCompareByValueAndLettersIgnoringCase) {
    EXPECT_LT(ObjectExportCompareNames("HEA100", "HEA1000"), 0);
    EXPECT_LT(ObjectExportCompareNames("HEA1000", "heb100"), 0);
    EXPECT_LT(ObjectExportCompareNames("48.3x3.2", "60.3x4"), 0);
    EXPECT_LT(ObjectExportCompareNames("48.3x3.2", "48.3x3.6"), 0);
    EXPECT_LT(ObjectExportCompareNames("48.25", "48.3"), 0);
    EXPECT_EQ(ObjectExportCompareNames("IPE 80", "ipe 80"), 0);
    EXPECT_EQ(ObjectExportCompareNames("IPE080", "IPE80"), 0);
    EXPECT_LT(ObjectExportCompareNames("IPE", "IPE80"), 0);
    EXPECT_GT(ObjectExportCompareNames("IPE80.", "IPE80"), 0);  // a point without digits is text
}

}  // namespace
