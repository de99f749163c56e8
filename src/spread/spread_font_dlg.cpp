#include "spread_font_dlg.h"

#include <charconv>

#include "dlg_controls.h"
#include "frame.h"
#include "grid.h"
#include "ktx_spread.h"
#include "redraw_lock.h"
#include "spread_selection.h"
#include "win.h"

namespace {

using D = VnSpreadFontDlg;

const DialogTemplateRegistration kTemplate(DialogTemplate(
    D::kResourceId, "Lettertype en kleuren", kDialogStyle, 0, 0, 250, 150,
    {DialogControl(-1, WC_BUTTON, BS_GROUPBOX, 0, "Voorstelling aanpassen", 7, 4, 236, 76),
     DialogControl(-1, WC_STATIC, 0, 0, "Lettertype", 14, 18, 70, 8),
     DialogControl(D::kFontName, WC_COMBOBOX, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, "", 90,
                   16, 100, 80),
     DialogControl(D::kFontHeight, WC_EDIT, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 0, "", 196, 16,
                   40, 12),
     DialogControl(-1, WC_STATIC, 0, 0, "Achtergrondkleur", 14, 38, 70, 8),
     DialogControl(D::kBackground, WC_COMBOBOX, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, "",
                   90, 36, 146, 80),
     DialogControl(-1, WC_STATIC, 0, 0, "Tekstkleur", 14, 58, 70, 8),
     DialogControl(D::kForeground, WC_COMBOBOX, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, "",
                   90, 56, 146, 80),
     DialogControl(D::kSample, WC_STATIC, WS_BORDER, 0, "", 7, 86, 236, 34),
     DialogControl(IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, "OK", 138, 129, 50, 14),
     DialogControl(IDCANCEL, WC_BUTTON, WS_TABSTOP, 0, "Cancel", 193, 129, 50, 14)}));

constexpr const char* kSampleText = "AaBbYyZz 123";

}  // namespace

const std::vector<std::string>& VnSpreadFontModel::fontNames() {
    static const std::vector<std::string> names = {"Arial", "Courier New", "Tahoma",
                                                   "Times New Roman", "Verdana"};
    return names;
}

const std::vector<VnSpreadFontModel::NamedColour>& VnSpreadFontModel::colours() {
    static const std::vector<NamedColour> list = {{"Standaard", SS_COLOR_DEFAULT},
                                                  {"Wit", 0xFFFFFF},
                                                  {"Zwart", 0x000000},
                                                  {"Rood", 0x0000FF},
                                                  {"Groen", 0x008000},
                                                  {"Blauw", 0xFF0000},
                                                  {"Geel", 0x00FFFF},
                                                  {"Grijs", 0xC0C0C0},
                                                  {"Lichtblauw", 0xFFD1A4}};
    return list;
}

int VnSpreadFontModel::colourIndex(COLORREF colour) {
    const auto& list = colours();
    for (size_t i = 0; i < list.size(); ++i) {
        if (list[i].colour == colour) return static_cast<int>(i);
    }
    return -1;
}

bool VnSpreadFontModel::setHeight(VnSpreadFontData& data, const std::string& text) {
    int height = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), height);
    if (error != std::errc() || end != text.data() + text.size() || height < 6 || height > 72)
        return false;
    data.height = height;
    return true;
}

VnSpreadFontDlg::VnSpreadFontDlg(VnSpreadFontData& data, CWnd* parent)
    : VnBoundDialog(kResourceId, parent), data_(data), sample_(std::make_unique<Ktx_Spread>()) {
    // The field keeps what is typed; the height takes it once it is a valid height.
    heightText_ = std::to_string(data_.height);
    bind({VnBinding::textField(
        kFontHeight, [this] { return heightText_; },
        [this](const std::string& text) {
            heightText_ = text;
            VnSpreadFontModel::setHeight(data_, text);
        })});
    for (int id : {kFontName, kBackground, kForeground})
        onCommand(id, CBN_SELCHANGE, [this] { onListChanged(); });
}

BOOL VnSpreadFontDlg::OnInitDialog() {
    VnBoundDialog::OnInitDialog();
    fillLists();
    if (sample_->create(this, kSample, false)) {
        sample_->setMaxCols(1);
        sample_->setMaxRows(1);
        SSSetBool(sample_->gridWindow(), SSB_SHOWCOLHEADERS, false);
        SSSetBool(sample_->gridWindow(), SSB_SHOWROWHEADERS, false);
        sample_->setCellText(1, 1, kSampleText);
        sample_->setFitMode(SpreadFitMode::Equal);
        sample_->fitColumns();
    }
    onModelChanged();
    return TRUE;
}

void VnSpreadFontDlg::fillLists() {
    Ktx_StringArray fonts;
    for (const std::string& name : VnSpreadFontModel::fontNames()) fonts.append(Ktx_String(name));
    if (!fonts.contains(data_.fontName)) fonts.append(data_.fontName);
    FillCombo(this, kFontName, fonts, data_.fontName);
    Ktx_StringArray colours;
    for (const auto& c : VnSpreadFontModel::colours()) colours.append(c.name);
    const auto& list = VnSpreadFontModel::colours();
    const int back = std::max(0, VnSpreadFontModel::colourIndex(data_.background));
    const int fore = std::max(0, VnSpreadFontModel::colourIndex(data_.foreground));
    FillCombo(this, kBackground, colours, list[static_cast<size_t>(back)].name);
    FillCombo(this, kForeground, colours, list[static_cast<size_t>(fore)].name);
}

void VnSpreadFontDlg::onListChanged() {
    auto selected = [this](int id) {
        return static_cast<int>(SendDlgItemMessage(id, CB_GETCURSEL, 0, 0));
    };
    const auto& fonts = VnSpreadFontModel::fontNames();
    const auto& colours = VnSpreadFontModel::colours();
    const int font = selected(kFontName);
    if (font >= 0 && font < static_cast<int>(fonts.size()))
        data_.fontName = Ktx_String(fonts[static_cast<size_t>(font)]);
    const int back = selected(kBackground);
    if (back >= 0 && back < static_cast<int>(colours.size()))
        data_.background = colours[static_cast<size_t>(back)].colour;
    const int fore = selected(kForeground);
    if (fore >= 0 && fore < static_cast<int>(colours.size()))
        data_.foreground = colours[static_cast<size_t>(fore)].colour;
    onModelChanged();
}

// The sample cell shows the present choice.
void VnSpreadFontDlg::onModelChanged() {
    HWND h = sample_->gridWindow();
    if (!h) return;
    SSFont font;
    font.name = data_.fontName.str();
    font.height = data_.height;
    SSSetFont(h, 1, 1, font);
    SSSetColor(h, 1, 1, data_.background, data_.foreground);
}

bool StartDlgSpreadFont(Ktx_Spread& ss, CWnd* owner) {
    HWND h = ss.gridWindow();
    SpreadBlock block;
    if (!spreadSelectedBlock(ss, block)) return false;
    VnSpreadFontData data;
    SSFont font;
    if (SSGetFont(h, block.col, block.row, &font)) {
        data.fontName = Ktx_String(font.name);
        data.height = font.height;
    }
    SSGetColor(h, block.col, block.row, &data.background, &data.foreground);
    VnResourceScope scope(vnResourceOverride());
    VnSpreadFontDlg dialog(data, owner);
    if (dialog.DoModal() != IDOK) return false;
    font.name = data.fontName.str();
    font.height = data.height;
    RedrawLock lock(&ss);
    SSSetFontRange(h, block.col, block.row, block.col2, block.row2, font);
    SSSetColorRange(h, block.col, block.row, block.col2, block.row2, data.background,
                    data.foreground);
    SSSetBool(h, SSB_CHANGEMADE, true);
    return true;
}
