#include "cell_text_pool.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string textOf(int i, std::size_t length) {
    std::string t = "t" + std::to_string(i) + ":";
    while (t.size() < length) t += static_cast<char>('a' + (t.size() + i) % 26);
    return t;
}

TEST(CellTextPool, ATextReadStaysValidWhileOtherSlotsAreWrittenAndItsOwnTextFeedsItsRewrite) {
    CellTextPool pool;
    const std::uint32_t kept = pool.add("kept text, read once and held");
    const std::string_view held = pool.text(kept);
    // Enough texts, some rewritten longer, to fill several chunks.
    std::vector<std::uint32_t> slots;
    for (int i = 0; i < 5000; ++i) slots.push_back(pool.add(textOf(i, 10 + i % 40)));
    for (int i = 0; i < 5000; i += 3) pool.set(slots[i], textOf(i, 60 + i % 90));
    EXPECT_EQ(held, "kept text, read once and held");

    // A slot set from another slot's text, and from its own text made longer and shorter.
    pool.set(slots[1], pool.text(slots[2]));
    EXPECT_EQ(pool.text(slots[1]), pool.text(slots[2]));
    const std::string own = std::string(pool.text(slots[4]));
    pool.set(slots[4], std::string(pool.text(slots[4])) + std::string(200, 'x'));
    EXPECT_EQ(pool.text(slots[4]), own + std::string(200, 'x'));
    pool.set(slots[4], pool.text(slots[4]).substr(3, 5));
    EXPECT_EQ(pool.text(slots[4]), own.substr(3, 5));
    for (int i = 5; i < 5000; ++i) {
        const std::size_t length = i % 3 == 0 ? 60 + i % 90 : 10 + i % 40;
        ASSERT_EQ(pool.text(slots[i]), textOf(i, length)) << i;
    }
}

TEST(CellTextPool, ACopyIsEqualAndIndependentAndAssigningAgainReusesItsChunks) {
    CellTextPool loaded;
    for (int i = 0; i < 3000; ++i) loaded.add(textOf(i, 20 + i % 30));
    loaded.free(7);
    CellTextPool sheet;
    for (int round = 0; round < 3; ++round) {
        sheet.assign(loaded);
        EXPECT_EQ(sheet.bytesHeld(), loaded.bytesHeld());
        for (std::uint32_t i = 0; i < 3000; ++i) {
            if (i == 7) continue;
            ASSERT_EQ(sheet.text(i), loaded.text(i)) << i;
        }
        // The freed slot is the one handed out next, in both.
        EXPECT_EQ(sheet.add("new"), 7u);
        // What the evaluation writes into its copy leaves the loaded texts alone.
        for (std::uint32_t i = 0; i < 3000; i += 2) sheet.set(i, textOf(-1, 70));
        EXPECT_EQ(loaded.text(2), textOf(2, 22));
        EXPECT_EQ(sheet.text(2), textOf(-1, 70));
    }
    sheet.clear();
    EXPECT_EQ(sheet.bytesHeld(), 0u);
}

TEST(CellTextPool, TextsRewrittenOrFreedOverAndOverHoldNoMoreThanAFewChunks) {
    CellTextPool pool;
    const std::uint32_t big = pool.add("");
    const std::uint32_t growing = pool.add("");
    std::vector<std::uint32_t> churn;
    for (int round = 0; round < 2000; ++round) {
        // A large text set and cleared, a text that outgrows its room every time, and
        // medium texts that come and go.
        pool.set(big, std::string(100000 + round, 'b'));
        pool.set(big, "");
        pool.set(growing, std::string(static_cast<std::size_t>(round % 1000) + 1, 'g'));
        churn.push_back(pool.add(std::string(300, 'c')));
        if (churn.size() > 10) {
            pool.free(churn.front());
            churn.erase(churn.begin());
        }
    }
    EXPECT_EQ(pool.text(growing), std::string(1000, 'g'));
    EXPECT_LT(pool.bytesHeld(), 8u * 64 * 1024);
}

}  // namespace
