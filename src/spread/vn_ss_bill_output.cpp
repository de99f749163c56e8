#include "vn_ss_bill_output.h"

#include "acad.h"
#include "bill_picture.h"
#include "bill_sheet.h"
#include "dlg_controls.h"
#include "grid.h"
#include "ktx_spread.h"
#include "spread_file_ops.h"

namespace {

constexpr int kBillGridType = 7;
constexpr COLORREF kBillGridColor = 0x323232;
// The picture window is the picture's width and a margin.
constexpr int kPictureWindowMargin = 20;

}  // namespace

VnSSBillOutput::VnSSBillOutput() : gridHolder(std::make_unique<VnBillGridHolder>()) {}

VnSSBillOutput::VnSSBillOutput(const VnSSBillOutput& other)
    : Ktx_ListOutputCallback(other), gridHolder(std::make_unique<VnBillGridHolder>()) {
    copyFieldsFrom(other);
}

VnSSBillOutput& VnSSBillOutput::operator=(const VnSSBillOutput& other) {
    if (this != &other) copyFieldsFrom(other);
    return *this;
}

// Everything but the window holder, which stays each output's own.
void VnSSBillOutput::copyFieldsFrom(const VnSSBillOutput& other) {
    imageParam1 = other.imageParam1;
    imageParam2 = other.imageParam2;
    imageParam3 = other.imageParam3;
    imageFlag1 = other.imageFlag1;
    imageFlag2 = other.imageFlag2;
    bill = other.bill;
    transaction = other.transaction;
    currentRow = other.currentRow;
    columnTypes = other.columnTypes;
    fileName = other.fileName;
    unusedText = other.unusedText;
    varNames = other.varNames;
    varValues = other.varValues;
}

VnSSBillOutput::~VnSSBillOutput() = default;

void VnSSBillOutput::setVars(int param1, int param2, int param3, bool flag1, bool flag2,
                             Ktx_Bill* theBill, AcTransaction* theTransaction) {
    imageParam1 = param1;
    imageParam2 = param2;
    imageParam3 = param3;
    imageFlag1 = flag1;
    imageFlag2 = flag2;
    bill = theBill;
    transaction = theTransaction;
}

Ktx_Spread* VnSSBillOutput::getSSPointer() {
    return gridHolder ? gridHolder->getSSPointer() : nullptr;
}

Acad::ErrorStatus VnSSBillOutput::init(Ktx_String name, const Ktx_StringArray& columnNames,
                                       const Ktx_Array<int>&, const Ktx_Array<int>& types,
                                       const Ktx_String& templateFile, const Ktx_StringArray& names,
                                       const Ktx_StringArray& values) {
    if (!gridHolder || !gridHolder->open()) return Acad::eNullObjectPointer;
    Ktx_Spread* ss = getSSPointer();
    if (!ss) return Acad::eNullObjectPointer;
    fileName = name;
    if (!templateFile.isEmpty() && !spreadLoadTemplate(*ss, templateFile))
        acutPrintf("Load failed\n");
    SSSetGridType(ss->gridWindow(), kBillGridType);
    SSSetGridColor(ss->gridWindow(), kBillGridColor);
    varNames = names;
    varValues = values;
    ss->setMaxCols(columnNames.length(), true);
    ss->setColumnHeaders(columnNames);
    columnTypes = types;
    return Acad::eOk;
}

Acad::ErrorStatus VnSSBillOutput::onStartFeed() {
    if (picturesWanted()) initBMPDialog(imageParam2 + kPictureWindowMargin);
    return Acad::eOk;
}

void VnSSBillOutput::onAddRow(const Ktx_StringArray& row) {
    Ktx_String picture;
    if (picturesWanted() && !createImage(row, imageParam1, imageParam2, imageParam3, imageFlag1,
                                         imageFlag2, bill, transaction, picture))
        picture = Ktx_String();
    addRow(row, picture);
    if (!picture.isEmpty()) deleteFile(picture);
}

void VnSSBillOutput::onAddSubTotals(const Ktx_StringArray& row, const Ktx_StringArray&, bool, int) {
    Ktx_Spread* ss = getSSPointer();
    if (ss) VnBillSheet(*ss, currentRow, columnTypes).addSubTotals(row);
}

void VnSSBillOutput::addRow(const Ktx_StringArray& row, const Ktx_String& imageFile) {
    Ktx_Spread* ss = getSSPointer();
    if (ss) VnBillSheet(*ss, currentRow, columnTypes).addRow(row, imageFile);
}

Acad::ErrorStatus VnSSBillOutput::onEndFeed() {
    if (picturesWanted()) closeBMPDialog();
    Ktx_Spread* ss = getSSPointer();
    if (!ss) return Acad::eInvalidInput;
    saved_ = VnBillSheet(*ss, currentRow, columnTypes).finish(fileName, varNames, varValues);
    if (!saved_) acutPrintf("Save failed\n");
    return Acad::eOk;
}
