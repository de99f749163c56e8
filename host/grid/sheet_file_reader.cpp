// SheetFile::read: file text to a new sheet, all or nothing.
#include <charconv>
#include <map>

#include "diagnostic_text.h"
#include "sheet_file.h"
#include "sheet_line_tokens.h"
#include "text_lines.h"

namespace {

using Tokens = std::vector<SheetToken>;

// Reads the tokens of one line from position `pos` on; every getter fails (false) at the end
// of the line or on a token of the wrong kind.
class LineCursor {
  public:
    explicit LineCursor(const Tokens& tokens, std::size_t pos = 1) : t_(tokens), pos_(pos) {}
    bool atEnd() const { return pos_ >= t_.size(); }
    bool word(std::string& out) {
        if (atEnd() || t_[pos_].quoted) return false;
        out = t_[pos_++].text;
        return true;
    }
    bool quoted(std::string& out) {
        if (atEnd() || !t_[pos_].quoted) return false;
        out = t_[pos_++].text;
        return true;
    }
    template <typename T>
    bool number(T& out) {
        std::string w;
        if (!word(w)) return false;
        auto res = std::from_chars(w.data(), w.data() + w.size(), out);
        return res.ec == std::errc() && res.ptr == w.data() + w.size();
    }
    bool color(COLORREF& out) {
        std::string w;
        if (!word(w) || w.size() < 3 || w[0] != '0' || (w[1] != 'x' && w[1] != 'X')) {
            return false;
        }
        auto res = std::from_chars(w.data() + 2, w.data() + w.size(), out, 16);
        return res.ec == std::errc() && res.ptr == w.data() + w.size();
    }

  private:
    const Tokens& t_;
    std::size_t pos_;
};

class SheetFileReader {
  public:
    std::unique_ptr<SheetModel> read(std::string_view text, std::string& error);

  private:
    bool fail(const std::string& message) {
        if (error_.empty()) error_ = "line " + std::to_string(lineNo_) + ": " + message;
        return false;
    }
    bool readLine(const Tokens& tokens);
    bool readHeader(const Tokens& tokens);
    bool readSize(LineCursor& in);
    bool readWidthOrHeight(LineCursor& in, bool width);
    bool readFormat(LineCursor& in);
    bool readFormatField(const std::string& key, LineCursor& in, CellFormat& f);
    bool readBorder(LineCursor& in, CellFormat& f);
    bool readSpan(LineCursor& in);
    bool readCell(LineCursor& in);
    bool readCellField(const std::string& key, LineCursor& in, int col, int row);
    bool readEnd(LineCursor& in);

    std::unique_ptr<SheetModel> sheet_ = std::make_unique<SheetModel>();
    std::map<int, CellFormat> formats_;
    std::string error_;
    int lineNo_ = 0;
    bool sized_ = false;
    bool ended_ = false;
    int cells_ = 0;
};

std::unique_ptr<SheetModel> SheetFileReader::read(std::string_view text, std::string& error) {
    sheet_->engine().setAutoCalc(false);
    text = textWithoutUtf8Mark(text);
    for (std::string_view line : textLines(text)) {
        if (!error_.empty()) break;
        ++lineNo_;
        if (ended_) {
            if (!line.empty()) fail("text after the end line");
            continue;
        }
        std::string tokenError;
        const auto tokens = splitSheetLine(line, tokenError);
        if (!tokens) {
            fail(tokenError);
        } else if (!tokens->empty() || lineNo_ == 1) {
            readLine(*tokens);
        }
    }
    if (error_.empty() && !ended_) {
        const bool lineEnded = text.empty() || text.back() == '\n' || text.back() == '\r';
        lineNo_ = lineNo_ + (lineEnded ? 1 : 0);
        fail("the file ends before its end line (truncated)");
    }
    if (!error_.empty()) {
        error = error_;
        return nullptr;
    }
    sheet_->engine().recalcAll();
    return std::move(sheet_);
}

bool SheetFileReader::readLine(const Tokens& tokens) {
    if (lineNo_ == 1) return readHeader(tokens);
    const std::string& keyword = tokens.front().text;
    LineCursor in(tokens);
    if (tokens.front().quoted) return fail("a line must start with a keyword");
    if (keyword == "size") return readSize(in);
    if (!sized_) return fail("the size line must come first");
    if (keyword == "width") return readWidthOrHeight(in, true);
    if (keyword == "height") return readWidthOrHeight(in, false);
    if (keyword == "format") return readFormat(in);
    if (keyword == "span") return readSpan(in);
    if (keyword == "cell") return readCell(in);
    if (keyword == "end") return readEnd(in);
    return fail("unknown keyword '" + diagnosticWord(keyword) + "'");
}

bool SheetFileReader::readHeader(const Tokens& tokens) {
    if (tokens.size() != 2 || tokens[0].quoted || tokens[0].text != SheetFile::kMagic) {
        return fail("not a sheet file");
    }
    int version = 0;
    LineCursor in(tokens);
    if (!in.number(version)) return fail("bad version");
    if (version != SheetFile::kVersion) {
        return fail("unsupported sheet file version " + std::to_string(version));
    }
    return true;
}

bool SheetFileReader::readSize(LineCursor& in) {
    int cols = -1;
    int rows = -1;
    if (sized_) return fail("size given twice");
    if (!in.number(cols) || !in.number(rows) || !in.atEnd()) return fail("bad size line");
    if (!sheet_->setMaxCols(cols) || !sheet_->setMaxRows(rows)) return fail("size out of range");
    sized_ = true;
    return true;
}

bool SheetFileReader::readWidthOrHeight(LineCursor& in, bool width) {
    int index = -1;
    int pixels = -1;
    if (!in.number(index) || !in.number(pixels) || !in.atEnd()) return fail("bad size value");
    const bool ok =
        width ? sheet_->setColWidth(index, pixels) : sheet_->setRowHeight(index, pixels);
    return ok || fail("column or row outside the sheet");
}

bool SheetFileReader::readFormat(LineCursor& in) {
    int number = 0;
    if (!in.number(number) || number < 1) return fail("bad format number");
    if (formats_.count(number)) return fail("format " + std::to_string(number) + " given twice");
    CellFormat f;
    std::string key;
    while (!in.atEnd()) {
        if (!in.word(key) || !readFormatField(key, in, f)) return fail("bad format field");
    }
    formats_.emplace(number, f);
    return true;
}

bool SheetFileReader::readFormatField(const std::string& key, LineCursor& in, CellFormat& f) {
    SSCellType& t = f.cellType;
    if (key == "type") return in.number(t.type);
    if (key == "style") return in.number(t.style);
    if (key == "decimals") return in.number(t.decimals) && t.decimals >= 0 && t.decimals <= 15;
    if (key == "min") return in.number(t.minValue);
    if (key == "max") return in.number(t.maxValue);
    if (key == "maxlength") return in.number(t.maxLength);
    if (key == "text") return in.quoted(t.text);
    if (key == "lock") return f.lock = true;
    if (key == "back") return in.color(f.background);
    if (key == "fore") return in.color(f.foreground);
    if (key == "border") return readBorder(in, f);
    if (key == "font") return in.quoted(f.font.name) && in.number(f.font.height);
    if (key == "bold") return f.font.bold = true;
    if (key == "italic") return f.font.italic = true;
    if (key == "underline") return f.font.underline = true;
    return false;
}

bool SheetFileReader::readBorder(LineCursor& in, CellFormat& f) {
    static const char* const kSides[] = {"left", "right", "top", "bottom"};
    std::string side;
    if (!in.word(side)) return false;
    for (int s = 0; s < 4; ++s) {
        if (side == kSides[s]) return in.number(f.borders[s].style) && in.color(f.borders[s].color);
    }
    return false;
}

bool SheetFileReader::readSpan(LineCursor& in) {
    CellSpan s;
    if (!in.number(s.col) || !in.number(s.row) || !in.number(s.numCols) || !in.number(s.numRows) ||
        !in.atEnd()) {
        return fail("bad span line");
    }
    return sheet_->addSpan(s) || fail("span leaves the sheet or overlaps another");
}

bool SheetFileReader::readCell(LineCursor& in) {
    int col = -1;
    int row = -1;
    if (!in.number(col) || !in.number(row)) return fail("bad cell address");
    if (!sheet_->exists(col, row)) return fail("cell outside the sheet");
    std::string key;
    while (!in.atEnd()) {
        if (!in.word(key)) return fail("bad cell field");
        if (!readCellField(key, in, col, row)) return false;
    }
    ++cells_;
    return true;
}

bool SheetFileReader::readCellField(const std::string& key, LineCursor& in, int col, int row) {
    std::string text;
    if (key == "format") {
        int number = 0;
        if (!in.number(number)) return fail("bad format number");
        auto it = formats_.find(number);
        if (it == formats_.end()) return fail("format " + std::to_string(number) + " unknown");
        return sheet_->setFormat(col, row, it->second);
    }
    if (!in.quoted(text)) return fail("'" + diagnosticWord(key) + "' needs a quoted text");
    if (key == "data")
        return sheet_->setData(col, row, text) || fail("data refused by the cell type");
    if (key == "tag") return sheet_->setTag(col, row, text);
    if (key == "note") return sheet_->setNote(col, row, text);
    if (key != "formula") return fail("unknown cell field '" + diagnosticWord(key) + "'");
    const FormulaResult r = sheet_->setFormula(col, row, text, FormulaSetMode::Bulk);
    return r || fail("formula does not parse: " + r.message);
}

bool SheetFileReader::readEnd(LineCursor& in) {
    int count = -1;
    if (!in.number(count) || !in.atEnd()) return fail("bad end line");
    if (count != cells_) return fail("cell count does not match (file damaged)");
    ended_ = true;
    return true;
}

}  // namespace

std::unique_ptr<SheetModel> SheetFile::read(std::string_view text, std::string& error) {
    SheetFileReader reader;
    return reader.read(text, error);
}
