// SheetFile::write: the sheet as file text.
#include <charconv>
#include <cstdio>
#include <map>

#include "sheet_file.h"
#include "sheet_line_tokens.h"
#include "text_lines.h"

namespace {

std::string numberText(double v) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, res.ptr);
}

std::string colorText(COLORREF c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%08X", static_cast<unsigned>(c));
    return buf;
}

void appendTypeFields(std::string& out, const SSCellType& t) {
    const SSCellType def;
    if (t.type != def.type) out += " type " + std::to_string(t.type);
    if (t.style != def.style) out += " style " + std::to_string(t.style);
    if (t.decimals != def.decimals) out += " decimals " + std::to_string(t.decimals);
    if (t.minValue != def.minValue) out += " min " + numberText(t.minValue);
    if (t.maxValue != def.maxValue) out += " max " + numberText(t.maxValue);
    if (t.maxLength != def.maxLength) out += " maxlength " + std::to_string(t.maxLength);
    if (t.text != def.text) out += " text " + quoteSheetText(t.text);
}

void appendFormatFields(std::string& out, const CellFormat& f) {
    const CellFormat def;
    appendTypeFields(out, f.cellType);
    if (f.lock) out += " lock";
    if (f.background != def.background) out += " back " + colorText(f.background);
    if (f.foreground != def.foreground) out += " fore " + colorText(f.foreground);
    static const char* const kSides[] = {"left", "right", "top", "bottom"};
    for (int s = 0; s < 4; ++s) {
        const CellBorder& b = f.borders[s];
        if (b == CellBorder{}) continue;
        out += std::string(" border ") + kSides[s] + " " + std::to_string(b.style) + " " +
               colorText(b.color);
    }
    if (!(f.font == def.font)) {
        out += " font " + quoteSheetText(f.font.name) + " " + std::to_string(f.font.height);
        if (f.font.bold) out += " bold";
        if (f.font.italic) out += " italic";
        if (f.font.underline) out += " underline";
    }
}

void appendSizes(std::string& out, const char* word, const std::map<int, int>& sizes) {
    for (const auto& [index, pixels] : sizes) {
        out +=
            std::string(word) + " " + std::to_string(index) + " " + std::to_string(pixels) + "\r\n";
    }
}

// Numbers the formats the cells use, 1.. in order of first use, and writes their lines.
std::map<std::uint32_t, int> writeFormats(std::string& out, const SheetModel& sheet) {
    std::map<std::uint32_t, int> numbers;
    sheet.forEachUsedCell([&](int c, int r) {
        const std::uint32_t id = sheet.formatId(c, r);
        if (id == 0 || numbers.count(id)) return;
        const int number = static_cast<int>(numbers.size()) + 1;
        numbers.emplace(id, number);
        out += "format " + std::to_string(number);
        appendFormatFields(out, sheet.formats().get(id));
        out += "\r\n";
    });
    return numbers;
}

}  // namespace

std::string SheetFile::write(SheetModel& sheet, bool dataOnly) {
    // Formulas are stored in A1 style whatever style the grid shows.
    FormulaEngine& engine = sheet.engine();
    const FormulaRefStyle style = engine.refStyle();
    engine.setRefStyle(FormulaRefStyle::A1);
    std::string out = std::string(kMagic) + " " + std::to_string(kVersion) + "\r\n";
    out +=
        "size " + std::to_string(sheet.maxCols()) + " " + std::to_string(sheet.maxRows()) + "\r\n";
    std::map<std::uint32_t, int> formatNumbers;
    if (!dataOnly) {
        appendSizes(out, "width", sheet.colWidths());
        appendSizes(out, "height", sheet.rowHeights());
        formatNumbers = writeFormats(out, sheet);
        for (const CellSpan& s : sheet.spans()) {
            out += "span " + std::to_string(s.col) + " " + std::to_string(s.row) + " " +
                   std::to_string(s.numCols) + " " + std::to_string(s.numRows) + "\r\n";
        }
    }
    int cells = 0;
    sheet.forEachUsedCell([&](int c, int r) {
        std::string line = "cell " + std::to_string(c) + " " + std::to_string(r);
        if (auto it = formatNumbers.find(sheet.formatId(c, r)); it != formatNumbers.end()) {
            line += " format " + std::to_string(it->second);
        }
        if (sheet.hasFormula(c, r)) {
            line += " formula " + quoteSheetText(sheet.formulaText(c, r));
        } else if (std::string data = sheet.dataText(c, r); !data.empty()) {
            line += " data " + quoteSheetText(data);
        }
        if (!sheet.tag(c, r).empty()) line += " tag " + quoteSheetText(sheet.tag(c, r));
        if (!sheet.note(c, r).empty()) line += " note " + quoteSheetText(sheet.note(c, r));
        out += line + "\r\n";
        ++cells;
    });
    out += "end " + std::to_string(cells) + "\r\n";
    engine.setRefStyle(style);
    return out;
}

bool SheetFile::looksLikeSheetFile(std::string_view text) {
    text = textWithoutUtf8Mark(text);
    return text.substr(0, kMagic.size() + 1) == std::string(kMagic) + " ";
}
