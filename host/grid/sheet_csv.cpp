#include "sheet_csv.h"

#include <algorithm>
#include <deque>
#include <vector>

namespace {

// A field views the CSV text, or (a quoted field with doubled quotes) its own unquoted copy.
struct CsvField {
    std::string_view text;
    int line = 0;
};

// The fields of every record, one after another; ends[i] is one past record i's last field.
struct CsvTable {
    std::vector<CsvField> fields;
    std::vector<std::size_t> ends;
    std::deque<std::string> unquoted;  // texts of fields that held doubled quotes
};

// Splits RFC 4180 text into records of fields, each field with the line it starts on.
class CsvSplitter {
  public:
    explicit CsvSplitter(std::string_view text) : text_(text) {}
    bool split(CsvTable& table, std::string& error);

  private:
    bool readQuoted(CsvTable& table, CsvField& field, std::string& error, int column);
    void lineBreak() {
        if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
        ++pos_;
        ++line_;
    }
    bool atBreak() const { return text_[pos_] == '\n' || text_[pos_] == '\r'; }

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

bool CsvSplitter::readQuoted(CsvTable& table, CsvField& field, std::string& error, int column) {
    const std::size_t start = ++pos_;
    bool doubled = false;
    while (pos_ < text_.size()) {
        const char c = text_[pos_];
        if (c == '"') {
            if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
                doubled = true;
                pos_ += 2;
                continue;
            }
            field.text = text_.substr(start, pos_ - start);
            ++pos_;
            if (pos_ < text_.size() && text_[pos_] != ',' && !atBreak()) {
                error = "line " + std::to_string(line_) + ", column " + std::to_string(column) +
                        ": text after a closing quote";
                return false;
            }
            if (doubled) {
                std::string& own = table.unquoted.emplace_back();
                for (std::size_t i = 0; i < field.text.size(); ++i) {
                    own += field.text[i];
                    if (field.text[i] == '"') ++i;  // a doubled quote stands for one
                }
                field.text = own;
            }
            return true;
        }
        if (c == '\n' || (c == '\r' && !(pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n'))) {
            ++line_;
        }
        ++pos_;
    }
    error = "line " + std::to_string(field.line) + ", column " + std::to_string(column) +
            ": quoted field not closed";
    return false;
}

bool CsvSplitter::split(CsvTable& table, std::string& error) {
    std::size_t recordStart = 0;
    while (pos_ < text_.size()) {
        CsvField field;
        field.line = line_;
        const int column = static_cast<int>(table.fields.size() - recordStart) + 1;
        if (text_[pos_] == '"') {
            if (!readQuoted(table, field, error, column)) return false;
        } else {
            const std::size_t start = pos_;
            while (pos_ < text_.size() && text_[pos_] != ',' && !atBreak()) ++pos_;
            field.text = text_.substr(start, pos_ - start);
        }
        table.fields.push_back(field);
        if (pos_ >= text_.size()) break;
        if (text_[pos_] == ',') {
            ++pos_;
            if (pos_ >= text_.size()) table.fields.push_back(CsvField{{}, line_});
            continue;
        }
        lineBreak();
        recordStart = table.fields.size();
        table.ends.push_back(recordStart);
    }
    if (table.fields.size() > recordStart) table.ends.push_back(table.fields.size());
    return true;
}

bool storeField(SheetModel& sheet, const CsvField& field, int col, int row, std::string& error) {
    if (field.text.empty()) return true;
    if (field.text.front() == '=') {
        const FormulaResult r = sheet.setFormula(col, row, field.text, FormulaSetMode::Bulk);
        if (r) return true;
        error = "line " + std::to_string(field.line) + ", column " + std::to_string(col) +
                ": formula does not parse: " + r.message;
        return false;
    }
    sheet.setData(col, row, field.text);
    return true;
}

bool needsQuotes(const std::string& text) {
    if (text.empty()) return false;
    if (text.front() == ' ' || text.back() == ' ') return true;
    for (const char c : text)
        if (c == ',' || c == '"' || c == '\r' || c == '\n') return true;
    return false;
}

// Appends the field, quoted when it needs to be.
void appendField(std::string& out, const std::string& text) {
    if (!needsQuotes(text)) {
        out += text;
        return;
    }
    out += '"';
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

}  // namespace

std::unique_ptr<SheetModel> SheetCsv::read(std::string_view text, bool headerRow,
                                           std::string& error, Calc calc) {
    CsvTable table;
    if (!CsvSplitter(text).split(table, error)) return nullptr;
    auto sheet = std::make_unique<SheetModel>();
    sheet->engine().setAutoCalc(false);
    std::size_t cols = 0;
    for (std::size_t i = 0, first = 0; i < table.ends.size(); first = table.ends[i++])
        cols = std::max(cols, table.ends[i] - first);
    const int firstRow = headerRow ? 0 : 1;
    const int rows = static_cast<int>(table.ends.size()) - (headerRow ? 1 : 0);
    if (!sheet->setMaxCols(static_cast<int>(cols)) || !sheet->setMaxRows(std::max(rows, 0))) {
        error = "line 1, column 1: the table is too large";
        return nullptr;
    }
    for (std::size_t i = 0, first = 0; i < table.ends.size(); first = table.ends[i++]) {
        const int row = firstRow + static_cast<int>(i);
        for (std::size_t j = first; j < table.ends[i]; ++j) {
            if (!storeField(*sheet, table.fields[j], static_cast<int>(j - first) + 1, row, error))
                return nullptr;
        }
    }
    if (calc == Calc::Now) sheet->engine().recalcAll();
    return sheet;
}

std::string SheetCsv::write(SheetModel& sheet, bool headerRow, Content content) {
    FormulaEngine& engine = sheet.engine();
    const FormulaRefStyle style = engine.refStyle();
    engine.setRefStyle(FormulaRefStyle::A1);
    std::string out;
    for (int row = headerRow ? 0 : 1; row <= sheet.maxRows(); ++row) {
        for (int col = 1; col <= sheet.maxCols(); ++col) {
            if (col > 1) out += ',';
            if (content == Content::Values) {
                appendField(out, sheet.valueText(col, row));
            } else if (sheet.hasFormula(col, row)) {
                appendField(out, "=" + sheet.formulaText(col, row));
            } else {
                appendField(out, sheet.dataText(col, row));
            }
        }
        out += "\r\n";
    }
    engine.setRefStyle(style);
    return out;
}
