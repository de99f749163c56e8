// Loading sheet files through the kept parsed sheets, and the deep copy of a sheet that makes
// it possible.
#include "sheet_load_cache.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "grid.h"
#include "grid_window.h"
#include "sheet_file.h"
#include "win_driver.h"

namespace fs = std::filesystem;

namespace {

// A sheet with a bit of everything a file carries.
std::unique_ptr<SheetModel> richSheet(const std::string& first) {
    auto s = std::make_unique<SheetModel>();
    s->setMaxCols(5);
    s->setMaxRows(120);
    CellFormat number;
    number.cellType.type = SS_CELLTYPE_NUMBER;
    number.cellType.decimals = 3;
    number.background = 0x00FF00;
    s->setFormat(1, 1, number);
    s->setData(1, 1, "2");
    s->setData(1, 2, first);
    s->setData(1, 3, "1.50");  // typed differently from its value's text
    for (int r = 4; r <= 100; ++r) s->setData(1, r, "1");
    s->setFormula(2, 1, "A1*10", FormulaSetMode::Loader);
    s->setFormula(2, 2, "SUM(A1:A100)", FormulaSetMode::Loader);  // a large range
    s->setFormula(2, 3, "B1+B2", FormulaSetMode::Loader);
    s->setFormula(2, 4, "UNKNOWNFN(1)", FormulaSetMode::Loader);
    s->setTag(3, 1, "tag");
    s->setNote(3, 2, "note");
    s->addSpan({3, 3, 2, 2});
    s->setColWidth(2, 90);
    s->setRowHeight(5, 33);
    return s;
}

class SheetLoadCacheTest : public testing::Test {
  protected:
    void SetUp() override {
        winResetForTests();
        SSRegisterWindowClasses();
        SheetLoadCache::shared().clear();
        for (HWND& g : grids) {
            g = CreateWindowEx(0, "fpSpread70", "", WS_OVERLAPPED, 0, 0, 400, 300, nullptr, nullptr,
                               nullptr, nullptr);
            ASSERT_TRUE(SSIsGrid(g));
        }
        fs::create_directories(folder);
    }
    void TearDown() override {
        SheetLoadCache::shared().clear();
        fs::remove_all(folder);
    }
    // Writes the text and dates the file `ageSeconds` back (0: written just now).
    void write(const std::string& text, int ageSeconds, const fs::path& path) {
        std::ofstream(path, std::ios::binary) << text;
        if (ageSeconds > 0)
            fs::last_write_time(
                path, fs::file_time_type::clock::now() - std::chrono::seconds(ageSeconds));
    }
    void write(const std::string& text, int ageSeconds) { write(text, ageSeconds, file); }
    static std::string textOf(HWND g) { return SheetFile::write(GridWindow::of(g)->sheet()); }
    static std::string value(HWND g, int col, int row) {
        return GridWindow::of(g)->sheet().valueText(col, row);
    }
    bool load(HWND g) { return SSLoadFromFile(g, file.string().c_str()); }
    static std::size_t parses() { return SheetLoadCache::shared().parseCount(); }

    HWND grids[2] = {};
    fs::path folder =
        fs::temp_directory_path() / ("sheet_load_cache_test_" + std::to_string(::getpid()));
    fs::path file = folder / "standard.vns";
};

TEST_F(SheetLoadCacheTest, UnchangedSettledFileLoadsEqualWithoutParsingAgain) {
    const std::string text = SheetFile::write(*richSheet("alpha"));
    write(text, 10);
    std::string error;
    const std::string fresh = SheetFile::write(*SheetFile::read(text, error));
    const std::size_t before = parses();
    ASSERT_TRUE(load(grids[0]));
    ASSERT_TRUE(load(grids[1]));
    EXPECT_EQ(parses(), before + 1);
    for (HWND g : grids) {
        EXPECT_EQ(textOf(g), fresh);
        EXPECT_EQ(value(g, 2, 1), "20");
        EXPECT_EQ(value(g, 2, 2), "100.5");
        EXPECT_EQ(value(g, 2, 3), "120.5");
        EXPECT_EQ(value(g, 2, 4), "#NAME?");
        EXPECT_EQ(GridWindow::of(g)->sheet().dataText(1, 3), "1.50");
        EXPECT_EQ(SSGetMaxRows(g), 120);
    }
    // Dependencies work in the copy: the grid calculates automatically.
    ASSERT_TRUE(SSSetData(grids[1], 1, 1, "3"));
    EXPECT_EQ(value(grids[1], 2, 1), "30");
    EXPECT_EQ(value(grids[1], 2, 3), "131.5");
    EXPECT_EQ(value(grids[0], 2, 3), "120.5");
}

TEST_F(SheetLoadCacheTest, ChangedStampsAndUnsettledTimesReadTheFileAnew) {
    write(SheetFile::write(*richSheet("alpha")), 10);
    ASSERT_TRUE(load(grids[0]));
    // Same size, another (settled) time.
    write(SheetFile::write(*richSheet("bravo")), 5);
    ASSERT_TRUE(load(grids[0]));
    EXPECT_EQ(GridWindow::of(grids[0])->sheet().dataText(1, 2), "bravo");

    // A file read while its time was fresh is not kept: a rewrite of the same size that keeps
    // the time (as within one clock tick) is still seen.
    write(SheetFile::write(*richSheet("delta")), 0);
    const fs::file_time_type time = fs::last_write_time(file);
    ASSERT_TRUE(load(grids[0]));
    write(SheetFile::write(*richSheet("gamma")), 0);
    fs::last_write_time(file, time);
    const std::size_t before = parses();
    ASSERT_TRUE(load(grids[0]));
    EXPECT_EQ(parses(), before + 1);
    EXPECT_EQ(GridWindow::of(grids[0])->sheet().dataText(1, 2), "gamma");
}

TEST_F(SheetLoadCacheTest, ARelativePathInAnotherFolderOrAnOversizedFileIsReadAnew) {
    const fs::path other = folder / "other";
    fs::create_directories(other);
    write(SheetFile::write(*richSheet("alpha")), 10);
    write(SheetFile::write(*richSheet("bravo")), 0, other / file.filename());
    fs::last_write_time(other / file.filename(), fs::last_write_time(file));
    const fs::path home = fs::current_path();
    fs::current_path(folder);
    const bool first = SSLoadFromFile(grids[0], "standard.vns");
    fs::current_path(other);
    const bool second = SSLoadFromFile(grids[1], "standard.vns");
    fs::current_path(home);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(GridWindow::of(grids[1])->sheet().dataText(1, 2), "bravo");

    std::string big(SheetLoadCache::kMaxKeptBytes, 'x');
    write("VNSHEET 1\r\nsize 2 2\r\ncell 1 1 data \"" + big + "\"\r\nend 1\r\n", 10);
    const std::size_t before = parses();
    ASSERT_TRUE(load(grids[0]));
    ASSERT_TRUE(load(grids[0]));
    EXPECT_EQ(parses(), before + 2);
}

TEST_F(SheetLoadCacheTest, EditsToALoadedGridNeverReachTheNextLoad) {
    const std::string text = SheetFile::write(*richSheet("alpha"));
    write(text, 10);
    ASSERT_TRUE(load(grids[0]));
    const std::string loaded = textOf(grids[0]);
    SSSetData(grids[0], 1, 2, "changed");
    SSSetFormula(grids[0], 2, 1, "A1*1000", true);
    SSSetMaxRows(grids[0], 3);
    SSAddCustomFunctionExt(
        grids[0], "UNKNOWNFN", 1, 1,
        [](SpreadValue* result, SpreadValue*, short) {
            result->status = SPREAD_STATUS_VALID;
            result->type = SPREAD_TYPE_DOUBLE;
            result->dfValue = 7;
            return true;
        },
        0);
    const std::size_t before = parses();
    ASSERT_TRUE(load(grids[1]));
    ASSERT_TRUE(load(grids[0]));
    EXPECT_EQ(parses(), before);
    for (HWND g : grids) {
        EXPECT_EQ(textOf(g), loaded);
        EXPECT_EQ(value(g, 2, 4), "#NAME?");
    }
}

TEST_F(SheetLoadCacheTest, AKeptFileThatBreaksOrGoesFailsAsWithoutKeeping) {
    write(SheetFile::write(*richSheet("alpha")), 10);
    ASSERT_TRUE(load(grids[0]));
    write("VNSHEET 1\r\nsize 9 9\r\ncell 1 1 data \"new\"\r\n", 10);
    EXPECT_FALSE(load(grids[0]));
    char message[128] = {};
    SSGetLastLoadError(grids[0], message);
    EXPECT_STREQ(message, "line 4: the file ends before its end line (truncated)");
    fs::remove(file);
    EXPECT_FALSE(load(grids[0]));
    SSGetLastLoadError(grids[0], message);
    EXPECT_STREQ(message, "cannot read the file");
    EXPECT_EQ(GridWindow::of(grids[0])->sheet().dataText(1, 2), "alpha");
}

TEST_F(SheetLoadCacheTest, OnlyTheMostRecentlyLoadedFilesAreKept) {
    const std::string text = SheetFile::write(*richSheet("alpha"));
    const auto path = [&](std::size_t i) { return folder / ("f" + std::to_string(i) + ".vns"); };
    for (std::size_t i = 0; i <= SheetLoadCache::kMaxKept; ++i) {
        write(text, 10, path(i));
        ASSERT_TRUE(SSLoadFromFile(grids[0], path(i).string().c_str()));
        if (i == 0) continue;
        // Loading the first again keeps it the most recent but one.
        ASSERT_TRUE(SSLoadFromFile(grids[0], path(0).string().c_str()));
    }
    const std::size_t before = parses();
    ASSERT_TRUE(SSLoadFromFile(grids[0], path(0).string().c_str()));
    EXPECT_EQ(parses(), before);
    ASSERT_TRUE(SSLoadFromFile(grids[0], path(1).string().c_str()));  // the oldest, dropped
    EXPECT_EQ(parses(), before + 1);
}

// The copy behind every load: deep in cells, texts, formulas and dependencies.
TEST(SheetModelClone, CopyAndOriginalCalculateIndependently) {
    std::unique_ptr<SheetModel> original = richSheet("alpha");
    std::unique_ptr<SheetModel> copy = original->clone();
    ASSERT_TRUE(copy->engine().autoCalc());
    copy->setData(1, 1, "5");
    copy->setData(1, 50, "11");
    copy->setData(1, 2, "text of the copy");
    EXPECT_EQ(copy->valueText(2, 1), "50");
    EXPECT_EQ(copy->valueText(2, 2), "113.5");
    EXPECT_EQ(copy->valueText(2, 3), "163.5");
    EXPECT_EQ(original->valueText(2, 3), "120.5");
    EXPECT_EQ(original->dataText(1, 2), "alpha");
    copy->setTag(3, 1, "other");
    copy->insertRows(1, 2);
    EXPECT_EQ(original->tag(3, 1), "tag");
    EXPECT_EQ(original->formulaText(2, 3), "B1+B2");

    // The copy outlives its original and still finds its dependents.
    std::unique_ptr<SheetModel> second = original->clone();
    original.reset();
    second->setData(1, 1, "4");
    EXPECT_EQ(second->valueText(2, 3), "142.5");
    second->engine().recalcAll();
    EXPECT_EQ(second->valueText(2, 2), "102.5");
    EXPECT_EQ(copy->formulaText(2, 5), "B3+B4");
}

// A load of a kept file into a grid makes the copy in the grid's old sheet: nothing of what
// the old sheet held may survive, and the result calculates as a fresh copy does.
TEST(SheetModelClone, AssignInPlaceLeavesNothingOfTheOldSheet) {
    const std::unique_ptr<SheetModel> kept = richSheet("alpha");
    std::unique_ptr<SheetModel> old = richSheet("a text long enough to leave the string buffer");
    old->setMaxRows(2000);
    old->setMaxCols(40);
    old->setData(30, 1500, "far away");
    old->setFormula(3, 7, "A1+A2+A3", FormulaSetMode::Loader);  // a dependent of A1
    old->setTag(30, 1500, "far tag");
    CellFormat money;
    money.cellType.type = SS_CELLTYPE_CURRENCY;
    old->setFormat(4, 9, money);
    ASSERT_TRUE(old->assign(*kept));
    EXPECT_EQ(SheetFile::write(*old), SheetFile::write(*kept));
    EXPECT_FALSE(old->isUsed(30, 1500));
    EXPECT_FALSE(old->hasFormula(3, 7));
    EXPECT_EQ(old->format(4, 9).cellType.type, kept->format(4, 9).cellType.type);
    // Its dependencies are the kept sheet's.
    old->setData(1, 1, "3");
    EXPECT_EQ(old->valueText(2, 3), "131.5");
    EXPECT_EQ(kept->valueText(2, 3), "120.5");
    int used = 0;
    old->forEachUsedCell([&](int, int) { ++used; });
    int keptUsed = 0;
    kept->forEachUsedCell([&](int, int) { ++keptUsed; });
    EXPECT_EQ(used, keptUsed);
}

// A copy in place visits only the rows of a block either sheet has written: rows further down
// a block the kept sheet uses less must come out empty, with no formula and nothing reading
// them, and a sheet that uses more rows must come across whole.
TEST(SheetModelClone, AssignInPlaceEmptiesTheRowsOfABlockTheKeptSheetNeverWrote) {
    auto kept = std::make_unique<SheetModel>();
    kept->setMaxCols(3);
    kept->setMaxRows(300);
    kept->setData(1, 2, "7");
    ASSERT_TRUE(kept->setFormula(2, 2, "A2*2", FormulaSetMode::Loader));
    auto old = std::make_unique<SheetModel>();
    old->setMaxCols(3);
    old->setMaxRows(300);
    old->setData(1, 250, "far");
    ASSERT_TRUE(old->setFormula(2, 200, "A250&\"!\"", FormulaSetMode::Loader));
    old->setData(2, 3, "x");
    ASSERT_TRUE(old->assign(*kept));
    EXPECT_EQ(SheetFile::write(*old), SheetFile::write(*kept));
    EXPECT_FALSE(old->isUsed(1, 250));
    EXPECT_FALSE(old->hasFormula(2, 200));
    EXPECT_FALSE(old->isUsed(2, 3));
    old->setData(1, 250, "again");  // nothing reads it any more
    EXPECT_FALSE(old->isUsed(2, 200));
    old->setData(1, 2, "5");
    EXPECT_EQ(old->valueText(2, 2), "10");
    // The other way: the sheet with more rows written is copied whole.
    ASSERT_TRUE(kept->assign(*old));
    EXPECT_EQ(kept->valueText(1, 250), "again");
    EXPECT_EQ(SheetFile::write(*kept), SheetFile::write(*old));
}

// A load lets the old sheet's tags, notes and data texts go; the storage it keeps for them
// must give a cell that gains one of them later nothing of what it held.
TEST(SheetModelClone, ACellWrittenAfterALoadTakesNothingFromTheCellsTheLoadLetGo) {
    auto old = std::make_unique<SheetModel>();
    old->setMaxCols(3);
    old->setMaxRows(10);
    CellFormat number;
    number.cellType.type = SS_CELLTYPE_NUMBER;
    for (int row = 1; row <= 3; ++row) {
        old->setData(1, row, "65.0000000");
        old->setTag(1, row, "old tag");
        old->setNote(1, row, "old note");
    }
    auto kept = std::make_unique<SheetModel>();
    kept->setMaxCols(3);
    kept->setMaxRows(10);
    ASSERT_TRUE(old->assign(*kept));
    for (int row = 1; row <= 2; ++row) {
        old->setFormat(2, row, number);
        ASSERT_TRUE(old->setData(2, row, "7.50"));  // a data text beside its value's text
        EXPECT_EQ(old->dataText(2, row), "7.50");
        EXPECT_EQ(old->tag(2, row), "");
        EXPECT_EQ(old->note(2, row), "");
    }
    old->setTag(3, 1, "new tag");
    EXPECT_EQ(old->note(3, 1), "");
    old->setTag(3, 1, "");
    EXPECT_FALSE(old->isUsed(3, 1));  // no data text held over
}

}  // namespace

namespace {

// Every cell's value text and the file text: what a load must give back exactly.
std::string contentsOf(SheetModel& s) {
    std::string out = SheetFile::write(s);
    for (int row = 0; row <= s.maxRows(); ++row)
        for (int col = 0; col <= s.maxCols(); ++col) out += s.valueText(col, row) + '|';
    return out;
}

// One edit of many kinds, chosen by `pick`, at a place chosen by `at`.
void edit(SheetModel& s, unsigned pick, unsigned at) {
    const int col = 1 + static_cast<int>(at % 4);
    const int row = 1 + static_cast<int>(at % 600);
    const std::string word = "text " + std::to_string(at);
    switch (pick % 10) {
        case 0:
            s.setData(col, row, std::to_string(at % 97));
            break;
        case 1:
            s.setData(col, row, word);
            break;
        case 2:
            s.setFormula(col, row, "A1+" + std::to_string(at % 13), FormulaSetMode::Loader);
            break;
        case 3:
            s.clearContent(col, row);
            break;
        case 4:
            s.insertRows(row, 1 + static_cast<int>(at % 3));
            break;
        case 5:
            s.deleteRows(row, 1);
            break;
        case 6:
            s.setTag(col, row, word);
            break;
        case 7: {
            CellFormat number;
            number.cellType.type = SS_CELLTYPE_NUMBER;
            s.setFormat(col, row, number);
            break;
        }
        case 8:
            s.setMaxRows(s.maxRows() + 1);
            break;
        default:
            s.insertCols(col, 1);
            break;
    }
}

}  // namespace

// A sheet loaded again from the same kept sheet copies only what was written since the last
// load; after any mix of edits it must equal the kept sheet, and edits made after the load
// must come out as on a whole copy.
TEST(SheetModelClone, AssignAgainAfterEditsEqualsAWholeCopy) {
    auto kept = richSheet("first");
    kept->setMaxRows(700);
    for (int row = 101; row <= 650; ++row)
        kept->setData(4, row, row % 3 ? "word " + std::to_string(row) : std::to_string(row));
    const std::string want = contentsOf(*kept);
    auto grid = std::make_unique<SheetModel>();
    unsigned seed = 12345;
    const auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return seed >> 8;
    };
    for (int round = 0; round < 40; ++round) {
        ASSERT_TRUE(grid->assign(*kept));
        ASSERT_EQ(contentsOf(*grid), want) << "round " << round;
        auto whole = kept->clone();
        for (int e = 0, edits = 1 + round % 7; e < edits; ++e) {
            const unsigned pick = next(), at = next();
            edit(*grid, pick, at);
            edit(*whole, pick, at);
        }
        ASSERT_EQ(contentsOf(*grid), contentsOf(*whole)) << "round " << round;
    }
}

// A kept sheet that changed, or another sheet, is copied whole: nothing of the earlier copy's
// state may be taken for it.
TEST(SheetModelClone, AssignFromAChangedOrAnotherSheetCopiesItWhole) {
    auto kept = richSheet("first");
    auto other = richSheet("second");
    auto grid = std::make_unique<SheetModel>();
    ASSERT_TRUE(grid->assign(*kept));
    kept->setData(1, 50, "changed in the kept sheet");
    kept->setData(4, 7, "new");
    ASSERT_TRUE(grid->assign(*kept));
    EXPECT_EQ(contentsOf(*grid), contentsOf(*kept));
    grid->setData(1, 2, "edited");
    ASSERT_TRUE(grid->assign(*other));
    EXPECT_EQ(contentsOf(*grid), contentsOf(*other));
    ASSERT_TRUE(grid->assign(*kept));
    EXPECT_EQ(contentsOf(*grid), contentsOf(*kept));
}
