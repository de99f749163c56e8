// Every formula of the shared vector sheet gives the value a desktop spreadsheet computed.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "formula_engine.h"
#include "formula_value_text.h"

namespace {

using CsvRows = std::vector<std::vector<std::string>>;

// RFC 4180: quoted fields with doubled quotes, CRLF or LF line ends.
CsvRows readCsv(const std::string& text) {
    CsvRows rows(1);
    std::string field;
    bool quoted = false, any = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = any = true;
        } else if (c == ',') {
            rows.back().push_back(field);
            field.clear();
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            rows.back().push_back(field);
            field.clear();
            rows.emplace_back();
        } else {
            field += c;
        }
    }
    if (!field.empty() || !rows.back().empty()) rows.back().push_back(field);
    if (rows.back().empty()) rows.pop_back();
    return rows;
}

std::string field(const CsvRows& rows, std::size_t r, std::size_t c) {
    return r < rows.size() && c < rows[r].size() ? rows[r][c] : std::string();
}

bool agrees(const FormulaValue& v, const std::string& expected) {
    if (v.kind == FormulaValueKind::Number || v.kind == FormulaValueKind::Logical) {
        auto e = parseNumberText(expected);
        if (!e) return false;
        double scale = std::fmax(1e-300, std::fmax(std::fabs(*e), std::fabs(v.number)));
        return std::fabs(v.number - *e) <= 1e-12 * scale;
    }
    return valueText(v) == expected;
}

TEST(FormulaVectors, EveryFormulaAgreesWithTheDesktopSpreadsheet) {
    std::ifstream in(std::string(VN_SHARED_DIR) + "/formula-vectors.csv", std::ios::binary);
    ASSERT_TRUE(in) << "formula-vectors.csv not found";
    std::stringstream buffer;
    buffer << in.rdbuf();
    CsvRows rows = readCsv(buffer.str());
    FormulaEngine engine;
    for (int r = 1; r <= 8; ++r)
        for (int c = 5; c <= 8; ++c) {
            std::string f =
                field(rows, static_cast<std::size_t>(r - 1), static_cast<std::size_t>(c - 1));
            if (f.empty()) continue;
            if (auto n = parseNumberText(f); n && f.find_first_not_of(" ") == 0)
                engine.setNumber(c, r, *n);
            else
                engine.setText(c, r, f);
        }
    int cases = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::string formula = field(rows, i, 0);
        if (formula.empty()) continue;
        ++cases;
        int row = static_cast<int>(i) + 1;
        FormulaResult set = engine.setFormula(1, row, formula);
        ASSERT_TRUE(set) << formula << ": " << set.message;
        FormulaValue v = engine.value(1, row);
        EXPECT_TRUE(agrees(v, field(rows, i, 1)))
            << "row " << row << ": " << formula << " gave " << valueText(v) << ", expected "
            << field(rows, i, 1);
    }
    EXPECT_GT(cases, 150);
}

}  // namespace
