#include "formula_engine.h"

#include "formula_builtins.h"
#include "formula_case.h"
#include "formula_sheet.h"

struct FormulaEngine::Impl {
    Impl() = default;
    explicit Impl(const FormulaSheet& from) : sheet(from) {}
    FormulaSheet sheet;
    Code scratch;
    std::string name;  // a function name in upper case, its room kept between calls

    std::string_view upper(std::string_view text) {
        name.assign(text);
        for (char& c : name) c = upperChar(c);
        return name;
    }
};

namespace {

bool cellOk(int col, int row) {
    return col >= 0 && row >= 0 && col <= FormulaEngine::kMaxCol && row <= FormulaEngine::kMaxRow;
}

FormulaResult badCell() {
    return {FormulaStatus::BadCell, 0, "cell out of range"};
}

}  // namespace

FormulaEngine::FormulaEngine() : impl_(std::make_unique<Impl>()) {}
FormulaEngine::FormulaEngine(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
FormulaEngine::~FormulaEngine() = default;

std::unique_ptr<FormulaEngine> FormulaEngine::clone() const {
    auto copy = std::make_unique<Impl>(impl_->sheet);
    return std::unique_ptr<FormulaEngine>(new FormulaEngine(std::move(copy)));
}

bool FormulaEngine::assign(const FormulaEngine& other) {
    if (impl_->sheet.calculating()) return false;
    impl_->sheet.assign(other.impl_->sheet);
    return true;
}

bool FormulaEngine::setNumber(int col, int row, double value) {
    if (!cellOk(col, row)) return false;
    impl_->sheet.setNumber(col, row, value, CellKind::Number);
    return true;
}

bool FormulaEngine::setText(int col, int row, std::string_view text) {
    if (!cellOk(col, row)) return false;
    impl_->sheet.setText(col, row, text);
    return true;
}

bool FormulaEngine::setLogical(int col, int row, bool value) {
    if (!cellOk(col, row)) return false;
    impl_->sheet.setNumber(col, row, value ? 1 : 0, CellKind::Logical);
    return true;
}

bool FormulaEngine::setEmpty(int col, int row) {
    if (!cellOk(col, row)) return false;
    impl_->sheet.setEmpty(col, row);
    return true;
}

FormulaResult FormulaEngine::setFormula(int col, int row, std::string_view text,
                                        FormulaSetMode mode) {
    if (!cellOk(col, row)) return badCell();
    Code& code = impl_->scratch;
    std::optional<CompiledFormula> kept;
    FormulaResult r = impl_->sheet.compile(col, row, text, mode, code, &kept);
    if (!r) return r;
    // Installing copies the code and reads the references before anything can change the
    // cache.
    const bool calculate = mode != FormulaSetMode::Bulk;
    if (kept)
        impl_->sheet.installFormula(col, row, kept->code, calculate, &kept->refs);
    else
        impl_->sheet.installFormula(col, row, code, calculate);
    return r;
}

FormulaResult FormulaEngine::checkFormula(int col, int row, std::string_view text,
                                          FormulaSetMode mode) const {
    if (!cellOk(col, row)) return badCell();
    return impl_->sheet.compile(col, row, text, mode, impl_->scratch);
}

void FormulaEngine::clear() {
    impl_->sheet.clearAll();
}

FormulaValue FormulaEngine::value(int col, int row) const {
    if (!cellOk(col, row)) return {};
    return impl_->sheet.value(col, row);
}

FormulaValueView FormulaEngine::valueView(int col, int row) const {
    if (!cellOk(col, row)) return {};
    return impl_->sheet.valueView(col, row);
}

std::optional<FormulaValueView> FormulaEngine::constantView(int col, int row) const {
    if (!cellOk(col, row)) return FormulaValueView{};
    return impl_->sheet.constantView(col, row);
}

std::optional<FormulaValueView> FormulaEngine::constantViewEmptyingText(int col, int row,
                                                                        TextRefusal refusal) {
    if (!cellOk(col, row)) return FormulaValueView{};
    return impl_->sheet.constantViewEmptyingText(col, row, refusal);
}

bool FormulaEngine::isEmpty(int col, int row) const {
    return !cellOk(col, row) || (!hasFormula(col, row) && impl_->sheet.isEmptyValue(col, row));
}

std::string_view FormulaEngine::textValue(int col, int row) const {
    return cellOk(col, row) ? impl_->sheet.textValue(col, row) : std::string_view();
}

bool FormulaEngine::hasFormula(int col, int row) const {
    return cellOk(col, row) && impl_->sheet.hasFormula(col, row);
}

std::string FormulaEngine::formulaText(int col, int row) const {
    if (!cellOk(col, row)) return {};
    return impl_->sheet.formulaText(col, row);
}

void FormulaEngine::forEachContentRun(
    const std::function<void(int col, int firstRow, int lastRow)>& visit) const {
    impl_->sheet.forEachWrittenRun(visit);
}

std::uint64_t FormulaEngine::writeStamp() const {
    return impl_->sheet.written();
}

int FormulaEngine::usedCols() const {
    return impl_->sheet.usedColsOf();
}
int FormulaEngine::usedRows() const {
    return impl_->sheet.usedRowsOf();
}

void FormulaEngine::setAutoCalc(bool on) {
    impl_->sheet.autoCalc = on;
}
bool FormulaEngine::autoCalc() const {
    return impl_->sheet.autoCalc;
}
void FormulaEngine::recalcAll() {
    impl_->sheet.recalcAll();
}

bool FormulaEngine::recalcCell(int col, int row) {
    if (!cellOk(col, row)) return false;
    impl_->sheet.recalcOne(col, row);
    return true;
}

void FormulaEngine::setRefStyle(FormulaRefStyle style) {
    impl_->sheet.refStyle = style;
}
FormulaRefStyle FormulaEngine::refStyle() const {
    return impl_->sheet.refStyle;
}

bool FormulaEngine::insertRows(int at, int count) {
    if (at < 1 || at > kMaxRow || count < 1) return false;
    return impl_->sheet.restructure(true, at, count, true);
}

bool FormulaEngine::deleteRows(int at, int count) {
    if (at < 1 || at > kMaxRow || count < 1) return false;
    return impl_->sheet.restructure(true, at, count, false);
}

bool FormulaEngine::insertCols(int at, int count) {
    if (at < 1 || at > kMaxCol || count < 1) return false;
    return impl_->sheet.restructure(false, at, count, true);
}

bool FormulaEngine::deleteCols(int at, int count) {
    if (at < 1 || at > kMaxCol || count < 1) return false;
    return impl_->sheet.restructure(false, at, count, false);
}

bool FormulaEngine::copyCell(int fromCol, int fromRow, int toCol, int toRow) {
    if (!cellOk(fromCol, fromRow) || !cellOk(toCol, toRow)) return false;
    return impl_->sheet.copyCell(fromCol, fromRow, toCol, toRow);
}

bool FormulaEngine::addCustomFunction(std::string_view name, int minArgs, int maxArgs,
                                      FormulaCustomFunction callback, long flags) {
    if (maxArgs > 255) return false;
    CustomFunctions& customs = impl_->sheet.customs;
    // The same name as the registration at this place before was no built-in's then either.
    if (customs.addAgain(name, minArgs, maxArgs, callback, flags)) return true;
    const std::string_view up = impl_->upper(name);
    if (findBuiltin(up) >= 0) return false;
    return customs.add(up, name, minArgs, maxArgs, callback, flags);
}

void FormulaEngine::clearCustomFunctions() {
    impl_->sheet.customs.clear();
}

bool FormulaEngine::hasCustomFunction(std::string_view name) const {
    return impl_->sheet.customs.find(impl_->upper(name)) != nullptr;
}
