#include <string>

#include "dial_string.h"
#include "dialog_bindings.h"
#include "dlg_controls.h"
#include "vn_dstv_dlgs.h"
#include "vn_input_line_dlg.h"
#include "win.h"

namespace {

using D = VnDstvPointsDlg;
using M = VnDstvPointsModel;

constexpr int kTextInputCaption = 87, kTextInputPrompt = 855;

constexpr DWORD kList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kCheck = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD kPush = BS_PUSHBUTTON | WS_TABSTOP;

const DialogTemplateRegistration kTemplate(
    {D::kResourceId,
     "DSTV punten editeren",
     kDialogStyle,
     0,
     0,
     250,
     196,
     {
         {-1, WC_STATIC, SS_LEFT, 0, "Kies een punt:", 7, 9, 60, 8},
         {D::kPoints, WC_COMBOBOX, kList, 0, "", 70, 7, 120, 90},
         {D::kAdd, WC_BUTTON, kPush, 0, "+", 194, 6, 16, 14},
         {D::kRemove, WC_BUTTON, kPush, 0, "-", 212, 6, 16, 14},
         {-1, WC_STATIC, SS_LEFT, 0, "Naam:", 7, 29, 60, 8},
         {D::kName, WC_EDIT, kEdit, 0, "", 70, 27, 158, 13},
         {D::kByExtent, WC_BUTTON, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 0,
          "Uiterste punt van de geometrie", 7, 48, 236, 10},
         {D::kExtentFirst, WC_COMBOBOX, kList | WS_GROUP, 0, "", 19, 60, 100, 60},
         {D::kExtentSecond, WC_COMBOBOX, kList, 0, "", 124, 60, 100, 60},
         {D::kByIntersection, WC_BUTTON, BS_AUTORADIOBUTTON | WS_TABSTOP, 0,
          "Snijpunt van de geometrie", 7, 80, 236, 10},
         {D::kCentred, WC_BUTTON, kCheck | WS_GROUP, 0, "Midden", 19, 94, 50, 10},
         {D::kIntersection, WC_COMBOBOX, kList, 0, "", 74, 92, 100, 60},
         {-1, WC_STATIC, SS_LEFT, 0, "Zichtkeuze:", 7, 113, 60, 8},
         {D::kViewFirst, WC_COMBOBOX, kList, 0, "", 70, 111, 78, 60},
         {D::kViewSecond, WC_COMBOBOX, kList, 0, "", 152, 111, 76, 60},
         {-1, WC_STATIC, SS_LEFT, 0, "Minimum afstand van rand:", 7, 131, 100, 8},
         {D::kEdgeDistance, WC_EDIT, kEdit, 0, "", 152, 129, 76, 13},
         {D::kFullHole, WC_BUTTON, kCheck, 0, "Volledig gat boren", 7, 148, 110, 10},
         {D::kByThickness, WC_BUTTON, kCheck, 0, "Gat diameter afhankelijk van plaatdikte", 7, 160,
          180, 10},
         {-1, WC_STATIC, SS_LEFT, 0, "Gat diameter:", 7, 177, 60, 8},
         {D::kDiameter, WC_EDIT, kEdit, 0, "", 70, 175, 60, 13},
         {IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, "OK", 138, 175, 50, 14},
         {IDCANCEL, WC_BUTTON, kPush, 0, "Cancel", 193, 175, 50, 14},
     }});

// The drop-downs: their items and the model field each sets by index.
struct IndexList {
    int id;
    int M::*field;
    Ktx_StringArray items;
};
const IndexList kIndexLists[] = {
    {D::kExtentFirst, &M::extentFirst, {"Links", "Rechts"}},
    {D::kExtentSecond, &M::extentSecond, {"Onder", "Midden", "Boven"}},
    {D::kIntersection, &M::intersectionIndex, {"Eerste snijpunt", "Laatste snijpunt"}},
    {D::kViewFirst, &M::viewFirst, {"Bovenaanzicht", "Vooraanzicht", "Zijaanzicht"}},
    {D::kViewSecond, &M::viewSecond, {"Voorzijde", "Achterzijde", "Beide zijden"}},
};

}  // namespace

VnDstvPointsDlg::VnDstvPointsDlg(const DstvPoints& points, CWnd* parent)
    : VnBoundDialog(kResourceId, parent), model_(points) {
    bindControls();
    onCommand(kPoints, CBN_SELCHANGE, [this] {
        model_.choose(static_cast<int>(SendDlgItemMessage(kPoints, CB_GETCURSEL)));
        showLists();
        refresh();
    });
    for (const IndexList& list : kIndexLists) {
        onCommand(list.id, CBN_SELCHANGE, [this, &list] {
            model_.*(list.field) = static_cast<int>(SendDlgItemMessage(list.id, CB_GETCURSEL));
        });
    }
}

void VnDstvPointsDlg::bindControls() {
    M& m = model_;
    auto has = [&m] { return m.hasPoint(); };
    auto extent = [&m] { return m.extentEnabled(); };
    auto intersection = [&m] { return m.intersectionEnabled(); };
    bind({
        VnBinding::button(kAdd, [this] { onAdd(); }),
        VnBinding::button(kRemove, [&m] { m.removeCurrent(); }).enabledWhen(has),
        stringField(kName, m.name).enabledWhen(has),
        VnBinding::radio(
            kByExtent, [&m] { return m.extentOn; }, [&m] { m.extentOn = true; })
            .enabledWhen(has),
        VnBinding::radio(
            kByIntersection, [&m] { return !m.extentOn; }, [&m] { m.extentOn = false; })
            .enabledWhen(has),
        ruledControl(kExtentFirst).enabledWhen(extent),
        ruledControl(kExtentSecond).enabledWhen(extent),
        boolBox(kCentred, m.centred).enabledWhen(intersection),
        ruledControl(kIntersection).enabledWhen([&m] { return m.intersectionIndexEnabled(); }),
        ruledControl(kViewFirst).enabledWhen(has),
        ruledControl(kViewSecond).enabledWhen(has),
        stringField(kEdgeDistance, m.edgeDistanceText).enabledWhen(has),
        boolBox(kFullHole, m.fullHole).enabledWhen(has),
        boolBox(kByThickness, m.byThickness).enabledWhen([&m] { return m.byThicknessEnabled(); }),
        stringField(kDiameter, m.diameterText).enabledWhen([&m] { return m.diameterEnabled(); }),
    });
}

BOOL VnDstvPointsDlg::OnInitDialog() {
    VnBoundDialog::OnInitDialog();
    for (const IndexList& list : kIndexLists) FillCombo(this, list.id, list.items);
    model_.show(0);
    showLists();
    refresh();
    return TRUE;
}

// The point list with the current point selected, and each drop-down at its field's index.
void VnDstvPointsDlg::showLists() {
    Ktx_StringArray names;
    for (const Ktx_DstvPointInfo& point : model_.points()) names.append(point.name);
    FillCombo(this, kPoints, names);
    SendDlgItemMessage(kPoints, CB_SETCURSEL, static_cast<WPARAM>(model_.current()));
    for (const IndexList& list : kIndexLists)
        SendDlgItemMessage(list.id, CB_SETCURSEL, static_cast<WPARAM>(model_.*(list.field)));
}

void VnDstvPointsDlg::onAdd() {
    model_.store();
    VnInputLineData input{dialString(kTextInputCaption), dialString(kTextInputPrompt), ""};
    if (StartDlgInputLine(input, this)) model_.add(input.text);
}

void VnDstvPointsDlg::OnOK() {
    model_.store();
    CDialog::OnOK();
}
