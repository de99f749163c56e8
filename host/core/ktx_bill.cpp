#include "ktx_bill.h"

#include "text_lines.h"

namespace {

Ktx_StringArray tabFields(std::string_view line) {
    Ktx_StringArray fields;
    size_t start = 0;
    while (true) {
        const size_t tab = line.find('\t', start);
        fields.append(Ktx_String(std::string(line.substr(start, tab - start))));
        if (tab == std::string_view::npos) break;
        start = tab + 1;
    }
    return fields;
}

}  // namespace

std::optional<Ktx_Bill> Ktx_Bill::fromFeed(std::string_view text, std::string& error) {
    Ktx_Bill bill;
    bool named = false;
    for (std::string_view line : textLines(text)) {
        if (line.empty()) continue;
        Ktx_StringArray fields = tabFields(line);
        if (!named) {
            bill.columnNames = fields;
            named = true;
            continue;
        }
        Ktx_BillRow row;
        row.subtotal = fields[0].str().starts_with(kSubtotalMark);
        if (row.subtotal) fields.removeAt(0);
        row.texts = fields;
        bill.rows.push_back(std::move(row));
    }
    if (!named) {
        error = "line 1: no column names";
        return std::nullopt;
    }
    return bill;
}

Acad::ErrorStatus Ktx_Bill::output(Ktx_ListOutputCallback& callback) const {
    const Acad::ErrorStatus started = callback.onStartFeed();
    if (started != Acad::eOk) return started;
    for (const Ktx_BillRow& row : rows) {
        if (row.subtotal)
            callback.onAddSubTotals(row.texts, Ktx_StringArray(), false, 0);
        else
            callback.onAddRow(row.texts);
    }
    return callback.onEndFeed();
}

int Ktx_Bill::columnIndex(const Ktx_String& name) const {
    return columnNames.find(name, false);
}
