#include "sheet_csv.h"

#include <algorithm>
#include <vector>

namespace {

struct CsvField {
    std::string text;
    int line = 0;
};
using CsvRecord = std::vector<CsvField>;

// Splits RFC 4180 text into records of fields, each field with the line it starts on.
class CsvSplitter {
  public:
    explicit CsvSplitter(std::string_view text) : text_(text) {}
    bool split(std::vector<CsvRecord>& records, std::string& error);

  private:
    bool readQuoted(CsvField& field, std::string& error, int column);
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

bool CsvSplitter::readQuoted(CsvField& field, std::string& error, int column) {
    ++pos_;
    while (pos_ < text_.size()) {
        const char c = text_[pos_];
        if (c == '"') {
            if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
                field.text += '"';
                pos_ += 2;
                continue;
            }
            ++pos_;
            if (pos_ < text_.size() && text_[pos_] != ',' && !atBreak()) {
                error = "line " + std::to_string(line_) + ", column " + std::to_string(column) +
                        ": text after a closing quote";
                return false;
            }
            return true;
        }
        if (c == '\n' || (c == '\r' && !(pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n'))) {
            ++line_;
        }
        field.text += c;
        ++pos_;
    }
    error = "line " + std::to_string(field.line) + ", column " + std::to_string(column) +
            ": quoted field not closed";
    return false;
}

bool CsvSplitter::split(std::vector<CsvRecord>& records, std::string& error) {
    CsvRecord record;
    while (pos_ < text_.size()) {
        CsvField field;
        field.line = line_;
        const int column = static_cast<int>(record.size()) + 1;
        if (text_[pos_] == '"') {
            if (!readQuoted(field, error, column)) return false;
        } else {
            while (pos_ < text_.size() && text_[pos_] != ',' && !atBreak()) {
                field.text += text_[pos_++];
            }
        }
        record.push_back(std::move(field));
        if (pos_ >= text_.size()) break;
        if (text_[pos_] == ',') {
            ++pos_;
            if (pos_ >= text_.size()) record.push_back(CsvField{{}, line_});
            continue;
        }
        lineBreak();
        records.push_back(std::move(record));
        record.clear();
    }
    if (!record.empty()) records.push_back(std::move(record));
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
    return text.find_first_of(",\"\r\n") != std::string::npos;
}

std::string csvField(const std::string& text) {
    if (!needsQuotes(text)) return text;
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

}  // namespace

std::unique_ptr<SheetModel> SheetCsv::read(std::string_view text, bool headerRow,
                                           std::string& error) {
    std::vector<CsvRecord> records;
    if (!CsvSplitter(text).split(records, error)) return nullptr;
    auto sheet = std::make_unique<SheetModel>();
    sheet->engine().setAutoCalc(false);
    std::size_t cols = 0;
    for (const CsvRecord& r : records) cols = std::max(cols, r.size());
    const int firstRow = headerRow ? 0 : 1;
    const int rows = static_cast<int>(records.size()) - (headerRow ? 1 : 0);
    if (!sheet->setMaxCols(static_cast<int>(cols)) || !sheet->setMaxRows(std::max(rows, 0))) {
        error = "line 1, column 1: the table is too large";
        return nullptr;
    }
    for (std::size_t i = 0; i < records.size(); ++i) {
        const int row = firstRow + static_cast<int>(i);
        for (std::size_t j = 0; j < records[i].size(); ++j) {
            if (!storeField(*sheet, records[i][j], static_cast<int>(j) + 1, row, error)) {
                return nullptr;
            }
        }
    }
    sheet->engine().recalcAll();
    return sheet;
}

std::string SheetCsv::write(SheetModel& sheet, bool headerRow, Content content) {
    FormulaEngine& engine = sheet.engine();
    const FormulaRefStyle style = engine.refStyle();
    engine.setRefStyle(FormulaRefStyle::A1);
    std::string out;
    for (int row = headerRow ? 0 : 1; row <= sheet.maxRows(); ++row) {
        for (int col = 1; col <= sheet.maxCols(); ++col) {
            std::string text;
            if (content == Content::Values) {
                text = sheet.valueText(col, row);
            } else if (sheet.hasFormula(col, row)) {
                text = "=" + sheet.formulaText(col, row);
            } else {
                text = sheet.dataText(col, row);
            }
            if (col > 1) out += ',';
            out += csvField(text);
        }
        out += "\r\n";
    }
    engine.setRefStyle(style);
    return out;
}
