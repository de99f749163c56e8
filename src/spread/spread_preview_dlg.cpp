#include "spread_preview_dlg.h"

#include <array>
#include <string>

#include "frame.h"
#include "grid.h"
#include "ktx_spread.h"
#include "spread_legend_dlg.h"
#include "win.h"

namespace {

using D = VnSpreadPreviewDlg;

const DialogTemplateRegistration kTemplate(DialogTemplate(
    D::kResourceId, "Print Preview", kDialogStyle, 0, 0, 400, 260,
    {DialogControl(IDCANCEL, WC_BUTTON, WS_TABSTOP, 0, "Close", 7, 7, 45, 14),
     DialogControl(D::kNext, WC_BUTTON, WS_TABSTOP, 0, "Next", 56, 7, 45, 14),
     DialogControl(D::kPrevious, WC_BUTTON, WS_TABSTOP, 0, "Previous", 105, 7, 45, 14),
     DialogControl(D::kZoomIn, WC_BUTTON, WS_TABSTOP, 0, "Zoom In", 154, 7, 45, 14),
     DialogControl(D::kZoomOut, WC_BUTTON, WS_TABSTOP, 0, "Zoom Out", 203, 7, 45, 14),
     DialogControl(D::kSetup, WC_BUTTON, WS_TABSTOP, 0, "Setup", 252, 7, 45, 14),
     DialogControl(D::kPrint, WC_BUTTON, WS_TABSTOP, 0, "Print", 301, 7, 45, 14),
     DialogControl(D::kPage, WC_STATIC, 0, 0, "", 7, 26, 386, 8),
     DialogControl(D::kPreview, WC_STATIC, WS_BORDER, 0, "", 7, 37, 386, 216)}));

constexpr std::array<int, 8> kZooms{25, 50, 75, 100, 150, 200, 300, 400};

int zoomPosition(int zoom) {
    for (size_t i = 0; i < kZooms.size(); ++i) {
        if (kZooms[i] >= zoom) return static_cast<int>(i);
    }
    return static_cast<int>(kZooms.size()) - 1;
}

constexpr int kBaseFontHeight = 13;

}  // namespace

void VnSpreadPreviewModel::setRows(int rows) {
    pageCount = rows > 0 ? (rows + kRowsPerPage - 1) / kRowsPerPage : 1;
    page = std::min(std::max(page, 1), pageCount);
}

bool VnSpreadPreviewModel::canZoomIn() const {
    return zoomPosition(zoom) + 1 < static_cast<int>(kZooms.size());
}

bool VnSpreadPreviewModel::canZoomOut() const {
    return zoomPosition(zoom) > 0;
}

void VnSpreadPreviewModel::next() {
    if (canNext()) ++page;
}

void VnSpreadPreviewModel::previous() {
    if (canPrevious()) --page;
}

void VnSpreadPreviewModel::zoomIn() {
    if (canZoomIn()) zoom = kZooms[static_cast<size_t>(zoomPosition(zoom) + 1)];
}

void VnSpreadPreviewModel::zoomOut() {
    if (canZoomOut()) zoom = kZooms[static_cast<size_t>(zoomPosition(zoom) - 1)];
}

std::string VnSpreadPreviewModel::caption() const {
    return "Page " + std::to_string(page) + " of " + std::to_string(pageCount) + " (" +
           std::to_string(zoom) + "%)";
}

VnSpreadPreviewDlg::VnSpreadPreviewDlg(Ktx_Spread& source, CWnd* parent)
    : VnBoundDialog(kResourceId, parent), source_(source) {
    VnSpreadPreviewModel& m = model_;
    bind({
        VnBinding::button(kNext, [&m] { m.next(); }).enabledWhen([&m] { return m.canNext(); }),
        VnBinding::button(kPrevious, [&m] { m.previous(); }).enabledWhen([&m] {
            return m.canPrevious();
        }),
        VnBinding::button(kZoomIn, [&m] { m.zoomIn(); }).enabledWhen([&m] {
            return m.canZoomIn();
        }),
        VnBinding::button(kZoomOut, [&m] { m.zoomOut(); }).enabledWhen([&m] {
            return m.canZoomOut();
        }),
        VnBinding::button(kSetup, [this] { StartDlgSpreadLegend(legend_, source_, this); }),
        VnBinding::button(kPrint, [] {}).enabledWhen([] { return false; }),
    });
}

BOOL VnSpreadPreviewDlg::OnInitDialog() {
    VnBoundDialog::OnInitDialog();
    CWnd* placeholder = GetDlgItem(kPreview);
    if (placeholder) {
        CRect rect;
        placeholder->GetWindowRect(&rect);
        ScreenToClient(&rect);
        placeholder->DestroyWindow();
        preview_.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, rect, this, kPreview);
    }
    model_.setRows(source_.getMaxRows());
    onModelChanged();
    refresh();
    return TRUE;
}

void VnSpreadPreviewDlg::onModelChanged() {
    const Ktx_String legend =
        spreadLegendResult(legend_.legend, model_.page, model_.pageCount, spreadLegendDate());
    SetDlgItemText(kPage, (model_.caption() + "   " + legend.str()).c_str());
    showPage();
}

// The page's rows of the sheet, with the column headers, as values, in the zoomed font.
void VnSpreadPreviewDlg::showPage() {
    HWND to = preview_.GetSafeHwnd();
    HWND from = source_.gridWindow();
    if (!to || !from) return;
    const int cols = SSGetMaxCols(from);
    const int first = model_.firstRow();
    const int last = std::min(SSGetMaxRows(from), first + VnSpreadPreviewModel::kRowsPerPage - 1);
    SSSetMaxCols(to, cols);
    SSSetMaxRows(to, std::max(0, last - first + 1));
    for (int row = first - 1; row <= last; ++row) {
        const int sourceRow = row < first ? 0 : row;
        const int targetRow = row < first ? 0 : row - first + 1;
        for (int col = 1; col <= cols; ++col) {
            std::string text(static_cast<size_t>(std::max(0, SSGetValueLen(from, col, sourceRow))),
                             '\0');
            SSGetValue(from, col, sourceRow, text.data());
            SSSetData(to, col, targetRow, text.c_str());
        }
    }
    SSFont font;
    font.height = kBaseFontHeight * model_.zoom / 100;
    SSSetFontRange(to, 0, 0, cols, SSGetMaxRows(to), font);
    SSSetBool(to, SSB_SHOWROWHEADERS, false);
}

bool StartDlgSpreadPreview(Ktx_Spread& ss, CWnd* owner) {
    if (!ss.gridWindow()) return false;
    VnResourceScope scope(vnResourceOverride());
    VnSpreadPreviewDlg dialog(ss, owner);
    dialog.DoModal();
    return true;
}
