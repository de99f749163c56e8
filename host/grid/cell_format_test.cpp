// The numbering of a format pool copied from another: a grid reloaded from the same kept
// sheet keeps the formats it added, but only while what it copied is still what the kept
// pool holds.
#include "cell_format.h"

#include <gtest/gtest.h>

namespace {

CellFormat withType(int type, int decimals) {
    CellFormat f;
    f.cellType.type = type;
    f.cellType.decimals = decimals;
    return f;
}

TEST(FormatPoolNumbering, AReloadKeepsAddedFormatsOnlyWhileTheSourceIsUnchanged) {
    FormatPool kept;
    const CellFormat number7 = withType(SS_CELLTYPE_NUMBER, 7);
    ASSERT_EQ(kept.intern(number7), 1u);

    FormatPool grid;
    grid.assignNumbering(kept);
    const CellFormat text = withType(SS_CELLTYPE_EDIT, 2);
    ASSERT_EQ(grid.intern(text), 2u);
    grid.assignNumbering(kept);  // reloaded: kept has not grown
    EXPECT_EQ(grid.get(1), number7);
    EXPECT_EQ(grid.get(2), text);
    EXPECT_EQ(grid.intern(text), 2u);
    EXPECT_EQ(grid.size(), 2u + 1u);

    // The kept pool grew meanwhile: its number 2 is another format now.
    const CellFormat number0 = withType(SS_CELLTYPE_NUMBER, 0);
    ASSERT_EQ(kept.intern(number0), 2u);
    grid.assignNumbering(kept);
    EXPECT_EQ(grid.get(2), number0);
    EXPECT_EQ(grid.size(), kept.size());

    // A pool replaced whole by a copy of another keeps its size but not its formats.
    FormatPool other;
    ASSERT_EQ(other.intern(text), 1u);
    ASSERT_EQ(other.intern(number0), 2u);
    FormatPool copy;
    copy.assignNumbering(kept);
    kept = other;
    copy.assignNumbering(kept);
    EXPECT_EQ(copy.get(1), text);
    EXPECT_EQ(copy.get(2), number0);
}

}  // namespace
