// The contents of one grid: its size, every cell's data, formula, tag, note and format,
// spans, column widths and row heights. Values and formulas live in the formula engine; the
// sheet keeps beside them only what differs from the defaults (a cell with nothing but a
// value costs nothing here).
//
// Cells are (col, row) with 0..maxCols() and 0..maxRows(); row 0 and column 0 are the header
// cells. Every operation checks its cell and returns false (or an empty result) for one
// outside the sheet without changing anything.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "cell_format.h"
#include "format_id_blocks.h"
#include "formula_engine.h"
#include "spare_nodes.h"

struct DataContent;

struct CellSpan {
    int col = 0;
    int row = 0;
    int numCols = 1;
    int numRows = 1;
    bool contains(int c, int r) const {
        return c >= col && c < col + numCols && r >= row && r < row + numRows;
    }
    bool overlaps(const CellSpan& o) const {
        return col < o.col + o.numCols && o.col < col + numCols && row < o.row + o.numRows &&
               o.row < row + numRows;
    }
    bool operator==(const CellSpan&) const = default;
};

// What a cell holds beside its engine content and its format id; kept only when not all default.
struct CellExtra {
    bool hasDataText = false;  // the data was typed differently from its value's text
    std::string dataText;
    std::string tag;
    std::string note;
    bool isDefault() const { return !hasDataText && tag.empty() && note.empty(); }
    // Back to the default, the texts' buffers kept for the next use.
    void reset() {
        hasDataText = false;
        dataText.clear();
        tag.clear();
        note.clear();
    }
};

class SheetModel {
  public:
    static constexpr int kDefaultColWidth = 64;
    static constexpr int kDefaultRowHeaderWidth = 40;
    static constexpr int kDefaultRowHeight = 20;

    SheetModel();
    SheetModel& operator=(const SheetModel&) = delete;
    // An independent deep copy: everything observable through this class and its engine is
    // equal, and changes to either never reach the other.
    std::unique_ptr<SheetModel> clone() const;
    // Makes this sheet such a copy of `other` in place, reusing its storage (a sheet loaded
    // again from the same file). false (nothing changed) while its engine calculates.
    bool assign(const SheetModel& other);

    FormulaEngine& engine() { return *engine_; }
    const FormulaEngine& engine() const { return *engine_; }

    // Size. Shrinking removes what lies beyond the new edge (cells, spans, sizes).
    int maxCols() const { return maxCols_; }
    int maxRows() const { return maxRows_; }
    bool setMaxCols(int cols);
    bool setMaxRows(int rows);
    bool exists(int col, int row) const {
        return col >= 0 && row >= 0 && col <= maxCols_ && row <= maxRows_;
    }

    // Contents. setData follows the cell type's rules (cell_type_rules.h) and removes a
    // formula; false (unchanged) when the type refuses the text.
    bool setData(int col, int row, std::string_view text);
    // A formula with or without "="; header cells take none (BadCell).
    FormulaResult setFormula(int col, int row, std::string_view text, FormulaSetMode mode);
    // Empties data and formula (tag, note and format stay).
    bool clearContent(int col, int row);
    std::string dataText(int col, int row) const;
    std::string valueText(int col, int row) const;
    std::string formulaText(int col, int row) const;
    bool hasFormula(int col, int row) const;
    FormulaValue value(int col, int row) const;
    // value() read in place, valid until the cell changes.
    FormulaValueView valueView(int col, int row) const;

    // Tag, note and format.
    bool setTag(int col, int row, std::string_view tag);
    bool setNote(int col, int row, std::string_view note);
    const std::string& tag(int col, int row) const;
    const std::string& note(int col, int row) const;
    const CellFormat& format(int col, int row) const { return formats_.get(formatId(col, row)); }
    std::uint32_t formatId(int col, int row) const {
        return exists(col, row) ? formatIds_.get(col, row) : 0;
    }
    // Changes the cell's format; when its type changes, data is read again under the new
    // type and emptied when refused.
    bool setFormat(int col, int row, const CellFormat& format);
    // setFormat with only the cell type changed.
    bool setCellType(int col, int row, const SSCellType& type);
    bool editFormat(int col, int row, const std::function<void(CellFormat&)>& edit);
    const FormatPool& formats() const { return formats_; }
    // How many cells hold a tag, note or kept data text; room for that many.
    std::size_t extraCount() const { return extras_.size(); }
    void reserveExtras(std::size_t cells) { extras_.reserve(cells); }

    // Spans: addSpan refuses one that leaves the sheet, is a single cell or overlaps.
    bool addSpan(const CellSpan& span);
    const CellSpan* spanAt(int col, int row) const;
    bool removeSpanAnchoredAt(int col, int row);
    const std::vector<CellSpan>& spans() const { return spans_; }

    // Widths and heights in pixels; col / row 0 is the header column / row.
    int colWidth(int col) const;
    int rowHeight(int row) const;
    bool setColWidth(int col, int pixels);
    bool setRowHeight(int row, int pixels);
    const std::map<int, int>& colWidths() const { return colWidths_; }
    const std::map<int, int>& rowHeights() const { return rowHeights_; }

    // Structure (sheet_model_rows.cpp): insert / delete one row or column at `at` (>= 1).
    // Contents, properties, spans and sizes move with their cells; rows or columns moved past
    // the edge are kept by growing the sheet.
    bool insertRows(int at, int count);
    bool deleteRows(int at, int count);
    bool insertCols(int at, int count);
    bool deleteCols(int at, int count);
    // Copies a block (contents and/or format) to another place; formulas move their relative
    // references. Parts beyond the edge are dropped.
    bool copyRange(const CellSpan& from, int destCol, int destRow, bool formatOnly);
    // Exchanges two equal, non-overlapping blocks whole.
    bool swapRange(const CellSpan& from, int destCol, int destRow);

    // Every cell that holds content or non-default properties, in row-major order (rows 0..,
    // within a row columns 0..).
    void forEachUsedCell(const std::function<void(int col, int row)>& visit) const;
    // True when the cell holds data, a formula, a tag, a note or a non-default format.
    bool isUsed(int col, int row) const;
    // A stamp that changes whenever a cell's value, contents or format id change: the later of
    // the engine's and the format ids' write stamps (write_stamp.h).
    std::uint64_t writeStamp() const {
        return std::max(engine_->writeStamp(), formatIds_.written());
    }

  private:
    SheetModel(const SheetModel& other);  // through clone()
    static std::uint64_t keyOf(int col, int row) {
        return (std::uint64_t(std::uint32_t(col)) << 32) | std::uint32_t(row);
    }
    static int colOf(std::uint64_t key) { return int(key >> 32); }
    static int rowOf(std::uint64_t key) { return int(key & 0xFFFFFFFFu); }
    const CellExtra* extra(int col, int row) const;
    CellExtra& extraFor(int col, int row);
    void dropExtraIfDefault(int col, int row);
    bool storeContent(int col, int row, const FormulaValue& content, std::string_view typed);
    bool storeData(int col, int row, const SSCellType& type, std::string_view text);
    bool storeReadData(int col, int row, const DataContent& content, std::string_view text);
    bool putContent(int col, int row, FormulaValueKind kind, double number, std::string_view text);
    void keepDataText(int col, int row, bool differs, std::string_view typed);
    void changeFormatId(int col, int row, std::uint32_t id, bool typeChanges);
    void reapplyData(int col, int row, const SSCellType& type);
    void removeOutside();
    void moveExtras(const std::function<bool(int& col, int& row)>& move);
    void moveSizes(std::map<int, int>& sizes, const std::function<bool(int& index)>& move);
    void moveSpans(const std::function<bool(CellSpan&)>& move);
    bool copyCell(int fromCol, int fromRow, int toCol, int toRow, bool formatOnly);
    struct CellSnapshot;
    CellSnapshot snapshot(int col, int row) const;
    void restore(int col, int row, const CellSnapshot& cell);

    std::unique_ptr<FormulaEngine> engine_;
    int maxCols_ = 0;
    int maxRows_ = 0;
    FormatPool formats_;
    FormatIdBlocks formatIds_;
    std::unordered_map<std::uint64_t, CellExtra> extras_;  // data texts, tags, notes
    SpareNodes<std::unordered_map<std::uint64_t, CellExtra>> extraSpares_;
    std::vector<CellSpan> spans_;
    std::map<int, int> colWidths_;
    std::map<int, int> rowHeights_;
};
