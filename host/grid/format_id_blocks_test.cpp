// The cells' format ids by block: a block holds its ids until its last one is reset, whatever
// order the ids are set, replaced and reset in, and a move carries each id with its cell. A
// change reads and writes a cell in one step and leaves the write stamp alone when it keeps
// the id.
#include "format_id_blocks.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace {

std::map<std::pair<int, int>, std::uint32_t> all(const FormatIdBlocks& ids) {
    std::map<std::pair<int, int>, std::uint32_t> seen;
    ids.forEach([&](int col, int row, std::uint32_t id) { seen[{col, row}] = id; });
    return seen;
}

TEST(FormatIdBlocks, IdsStayUntilResetOneByOne) {
    FormatIdBlocks ids;
    ids.set(2, 0, 0);  // resetting a default cell makes no block
    EXPECT_TRUE(all(ids).empty());
    ids.set(2, 5, 7);
    ids.set(2, 6, 8);
    ids.set(2, 5, 9);  // replaced, still one id in its place
    ids.set(2, 6, 0);
    ids.set(2, 6, 0);  // reset twice
    EXPECT_EQ(ids.get(2, 5), 9u);
    EXPECT_EQ(ids.get(2, 6), 0u);
    EXPECT_EQ(ids.get(3, 5), 0u);  // the next column is another block
    ids.set(2, 64, 4);             // the next block down
    EXPECT_EQ(all(ids), (std::map<std::pair<int, int>, std::uint32_t>{{{2, 5}, 9}, {{2, 64}, 4}}));
    ids.set(2, 5, 0);
    EXPECT_EQ(all(ids), (std::map<std::pair<int, int>, std::uint32_t>{{{2, 64}, 4}}));
}

TEST(FormatIdBlocks, ABlockTakenBackForOtherCellsStartsAllDefault) {
    FormatIdBlocks ids;
    ids.set(2, 5, 7);
    ids.set(2, 6, 8);
    ids.set(2, 6, 0);
    ids.set(2, 5, 0);  // the block is given up with 7 and 8 once in it
    ids.set(9, 10, 3);
    EXPECT_EQ(all(ids), (std::map<std::pair<int, int>, std::uint32_t>{{{9, 10}, 3}}));
    ids.set(9, 10, 0);  // its only id: dropped again
    EXPECT_TRUE(all(ids).empty());
}

TEST(FormatIdBlocks, AChangeSeesTheCurrentIdAndWritesOnlyANewOne) {
    FormatIdBlocks ids;
    std::uint32_t seen = 99;
    const auto to = [&seen](std::uint32_t id) {
        return [&seen, id](std::uint32_t current) {
            seen = current;
            return id;
        };
    };
    EXPECT_EQ(ids.change(4, 70, to(5)), 5u);
    EXPECT_EQ(seen, 0u);  // a cell of no block has the default format
    std::uint64_t stamp = ids.written();
    EXPECT_EQ(ids.change(4, 70, to(5)), 5u);
    EXPECT_EQ(seen, 5u);
    EXPECT_EQ(ids.written(), stamp);  // kept: nothing written
    EXPECT_EQ(ids.change(4, 71, to(6)), 6u);
    EXPECT_GT(ids.written(), stamp);
    stamp = ids.written();
    EXPECT_EQ(ids.change(4, 70, to(0)), 0u);
    EXPECT_EQ(ids.change(4, 71, to(0)), 0u);
    EXPECT_EQ(seen, 6u);
    EXPECT_GT(ids.written(), stamp);
    EXPECT_TRUE(all(ids).empty());
    EXPECT_EQ(ids.change(4, 71, to(0)), 0u);  // the default on a default cell makes no block
    EXPECT_TRUE(all(ids).empty());
}

TEST(FormatIdBlocks, AMoveCarriesEachIdWithItsCellAndDropsRefusedOnes) {
    FormatIdBlocks ids;
    for (int row = 1; row <= 130; ++row) ids.set(1, row, std::uint32_t(row));
    ids.move([](int& col, int& row) {
        if (row == 3) return false;
        if (row > 3) --row;  // a row deleted at 3
        col = 4;
        return true;
    });
    EXPECT_EQ(ids.get(1, 1), 0u);
    EXPECT_EQ(ids.get(4, 2), 2u);
    EXPECT_EQ(ids.get(4, 3), 4u);
    EXPECT_EQ(ids.get(4, 129), 130u);
    EXPECT_EQ(ids.get(4, 130), 0u);
    EXPECT_EQ(all(ids).size(), 129u);
}

}  // namespace
