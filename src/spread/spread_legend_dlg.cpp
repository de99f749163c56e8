#include "spread_legend_dlg.h"

#include <ctime>

#include "core_clock.h"
#include "frame.h"
#include "grid.h"
#include "ktx_spread.h"
#include "spread_font_dlg.h"
#include "spread_preview_dlg.h"
#include "spread_settings.h"
#include "win.h"

namespace {

using D = VnSpreadLegendDlg;

const DialogTemplateRegistration kTemplate(DialogTemplate(
    D::kResourceId, "Legende", kDialogStyle, 0, 0, 260, 184,
    {DialogControl(D::kDefaultFont, WC_BUTTON, WS_TABSTOP, 0,
                   "Het standaardfont van alle tekstkaders wijzigen", 7, 7, 246, 14),
     DialogControl(D::kLeft, WC_BUTTON, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 0,
                   "Links gecentreerd", 7, 28, 150, 10),
     DialogControl(D::kCentre, WC_BUTTON, BS_AUTORADIOBUTTON, 0, "In het midden gecentreerd", 7, 40,
                   150, 10),
     DialogControl(D::kRight, WC_BUTTON, BS_AUTORADIOBUTTON, 0, "Rechts gecentreerd", 7, 52, 150,
                   10),
     DialogControl(D::kChangeFont, WC_BUTTON, WS_TABSTOP, 0, "Lettertype wijzigen ...", 7, 68, 90,
                   14),
     DialogControl(D::kFontName, WC_STATIC, 0, 0, "", 103, 71, 150, 8),
     DialogControl(-1, WC_STATIC, 0, 0, "Resultaat als voorbeeld", 7, 90, 246, 8),
     DialogControl(D::kResult, WC_EDIT, ES_READONLY | ES_AUTOHSCROLL | WS_BORDER, 0, "", 7, 101,
                   246, 14),
     DialogControl(-1, WC_STATIC, 0, 0, "Toe te passen legende:", 7, 122, 246, 8),
     DialogControl(D::kLegend, WC_EDIT, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 0, "", 7, 133, 246,
                   14),
     DialogControl(IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, "OK", 148, 163, 50, 14),
     DialogControl(IDCANCEL, WC_BUTTON, WS_TABSTOP, 0, "Cancel", 203, 163, 50, 14)}));

}  // namespace

Ktx_String spreadLegendDate() {
    const std::time_t now = coreCurrentTime();
    std::tm local{};
    localtime_r(&now, &local);
    char text[32] = {};
    std::strftime(text, sizeof text, "%d-%m-%Y", &local);
    return Ktx_String(text);
}

Ktx_String spreadLegendResult(const Ktx_String& legend, int page, int pages,
                              const Ktx_String& date) {
    const std::string& in = legend.str();
    std::string out;
    for (size_t i = 0; i < in.size(); ++i) {
        const char next = i + 1 < in.size() ? in[i + 1] : '\0';
        if (in[i] != '&' || next == '\0') {
            out += in[i];
            continue;
        }
        ++i;
        if (next == 'P')
            out += std::to_string(page);
        else if (next == 'N')
            out += std::to_string(pages);
        else if (next == 'D')
            out += date.str();
        else if (next == '&')
            out += '&';
        else
            out += std::string{'&', next};
    }
    return Ktx_String(out);
}

VnSpreadLegendDlg::VnSpreadLegendDlg(VnSpreadLegendData& data, Ktx_Spread& grid, CWnd* parent)
    : VnBoundDialog(kResourceId, parent), data_(data), grid_(grid) {
    VnSpreadLegendData& d = data_;
    auto align = [&d](int control, int alignment) {
        return VnBinding::radio(
            control, [&d, alignment] { return d.alignment == alignment; },
            [&d, alignment] { d.alignment = alignment; });
    };
    bind({
        VnBinding::button(kDefaultFont, [this] { makeDefaultFont(); }),
        align(kLeft, VnSpreadLegendData::Left),
        align(kCentre, VnSpreadLegendData::Centre),
        align(kRight, VnSpreadLegendData::Right),
        VnBinding::button(kChangeFont, [this] { nextFont(); }),
        VnBinding::textField(
            kLegend, [&d] { return d.legend.str(); },
            [&d](const std::string& text) { d.legend = Ktx_String(text); }),
    });
}

BOOL VnSpreadLegendDlg::OnInitDialog() {
    VnBoundDialog::OnInitDialog();
    onModelChanged();
    return TRUE;
}

void VnSpreadLegendDlg::onModelChanged() {
    VnSpreadPreviewModel pages;
    pages.setRows(grid_.getMaxRows());
    SetDlgItemText(
        kResult, spreadLegendResult(data_.legend, 1, pages.pageCount, spreadLegendDate()).c_str());
    SetDlgItemText(kFontName, data_.fontName.c_str());
    HWND result = ::GetDlgItem(GetSafeHwnd(), kResult);
    const LONG style = ::GetWindowLong(result, GWL_STYLE) & ~(ES_CENTER | ES_RIGHT);
    const LONG align = data_.alignment == VnSpreadLegendData::Centre  ? ES_CENTER
                       : data_.alignment == VnSpreadLegendData::Right ? ES_RIGHT
                                                                      : 0;
    ::SetWindowLong(result, GWL_STYLE, style | align);
}

void VnSpreadLegendDlg::nextFont() {
    const auto& fonts = VnSpreadFontModel::fontNames();
    size_t i = 0;
    while (i < fonts.size() && fonts[i] != data_.fontName.str()) ++i;
    data_.fontName = Ktx_String(fonts[i + 1 < fonts.size() ? i + 1 : 0]);
}

// The legend's font becomes the sheet's default font and the font of all its cells.
void VnSpreadLegendDlg::makeDefaultFont() {
    SpreadSettings settings;
    settings.readFromGrid(grid_);
    settings.defaultFont = data_.fontName;
    settings.writeToGrid(grid_);
    grid_.setGridFont(settings.defaultFont, settings.defaultTextHeight);
    grid_.applyFont(-1, -1, -1, -1);
}

bool StartDlgSpreadLegend(VnSpreadLegendData& data, Ktx_Spread& grid, CWnd* owner) {
    if (!grid.gridWindow()) return false;
    VnSpreadLegendData copy = data;
    VnResourceScope scope(vnResourceOverride());
    VnSpreadLegendDlg dialog(copy, grid, owner);
    if (dialog.DoModal() != IDOK) return false;
    data = copy;
    return true;
}
