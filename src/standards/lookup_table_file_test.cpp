#include "lookup_table_file.h"

#include <gtest/gtest.h>

TEST(LookupTableFile, SplitsAtEveryTabAndDropsCommentsAndEmptyLines) {
    const auto rows = LookupTableFile::parse(
        {"// size\thole", "M16\t18\t// normal", "", "M20\t22", "M24\t\t26", "   // indented"});
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], (LookupRow{"M16", "18", ""}));
    EXPECT_EQ(rows[1], (LookupRow{"M20", "22"}));
    EXPECT_EQ(rows[2], (LookupRow{"M24", "", "26"}));
    EXPECT_EQ(rows[3], (LookupRow{"   "}));
}

TEST(LookupTableFile, FindsTheFirstRowWithTheKeyIgnoringCase) {
    const auto rows = LookupTableFile::parse({"12.000000\ta", "m16\tb", "M16\tc"});
    EXPECT_EQ(LookupTableFile::findRow(rows, "M16"), 1);
    EXPECT_EQ(LookupTableFile::findRow(rows, "12.000000"), 0);
    EXPECT_EQ(LookupTableFile::findRow(rows, "12"), -1);
    EXPECT_EQ(LookupTableFile::findRow({}, "M16"), -1);
}
