// The text an SS...Len call formatted for one cell, kept in the grid window so that the Get
// call that follows copies it instead of formatting it again.
//
// Promises: take() gives the kept text only when it was kept for the same kind of text and
// the same cell of the same sheet, and what the text was made from is unchanged: the cell's
// value (bit for bit), its format and, for data text, that it still holds a formula. A value
// text is a function of exactly these, so a text handed out is always the one formatting
// would give now, whatever happened in between (a change made by a custom function during a
// calculation or by a notified parent included). Every take() drops the record, as does
// drop(); otherwise take() gives nothing and the caller formats. While the sheet's write stamp
// is the one it had when the text was formatted, nothing it is made from can have changed;
// after any write the cell is read again and compared.
//
// Only value texts are kept: the value text of any cell, and the data text of a formula
// cell (which is its value text). The data text of other cells may be a text typed earlier
// and the formula text depends on the formula itself, neither of which the record can check.
#pragma once

#include <cstdint>
#include <string>

#include "formula_value.h"
#include "formula_value_text.h"

class SheetModel;

class KeptCellText {
  public:
    enum class Kind : std::uint8_t { None, Value, Data };

    // Formats the `kind` text of (col, row), an existing cell of `sheet`, as SheetModel does,
    // and keeps it when it is a value text that is not empty (callers read no empty text);
    // any record kept before is dropped. Returns the length.
    int formatAndKeep(Kind kind, const SheetModel& sheet, int col, int row);
    // Copies the kept text of this kind and cell, when still valid (see above), and a NUL
    // into `buffer` and returns its length; -1 (nothing copied) otherwise. The record is gone
    // afterwards in every case.
    int takeInto(Kind kind, const SheetModel& sheet, int col, int row, char* buffer);
    void drop() { kind_ = Kind::None; }

  private:
    // What a value text is made from, as read in place from an existing cell.
    struct Source {
        std::uint32_t formatId = 0;
        FormulaValueView value;
    };
    static Source sourceOf(const SheetModel& sheet, int col, int row);
    // The kept text: in room_ when it fits (numbers are formatted there), else in long_.
    std::string_view text() const {
        return inRoom_ ? std::string_view(room_, length_) : std::string_view(long_);
    }
    // Whether `now` is what the kept text was made from (a text value is its own value text,
    // so it is compared with the kept text).
    bool madeFrom(const Source& now) const;

    Kind kind_ = Kind::None;
    const SheetModel* sheet_ = nullptr;
    int col_ = 0;
    int row_ = 0;
    std::uint64_t writeStamp_ = 0;  // the sheet's when the text was formatted
    std::uint32_t formatId_ = 0;
    FormulaValueKind valueKind_ = FormulaValueKind::Empty;
    std::uint64_t numberBits_ = 0;
    FormulaError error_ = FormulaError::None;
    bool inRoom_ = true;
    std::size_t length_ = 0;
    char room_[kFixedTextRoom];
    std::string long_;
};
