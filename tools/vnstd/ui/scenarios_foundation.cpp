// The "foundation" scenario: the Core library's dialog controls together in one small dialog,
// over the example library's constraint-command pictures (libDir "icons\"): a thumbnail list,
// image buttons (one of them check-style), a drop-down with check marks, a resizer, and a
// question in a message box before a picture leaves the list.
#include <filesystem>

#include "button_st.h"
#include "check_combo_box.h"
#include "file_ops.h"
#include "file_search.h"
#include "image_list_ctrl.h"
#include "path_translation.h"
#include "resizer.h"
#include "scenarios.h"
#include "win_access.h"

namespace {

using json = nlohmann::json;

constexpr UINT kFoundationDialog = 30600;
constexpr int kThumbs = 9091, kGroups = 1001, kRemove = 1301, kLarge = 1292;

const DialogTemplateRegistration kTemplate(
    {kFoundationDialog,
     "Constraint pictures",
     kDialogStyle | WS_THICKFRAME,
     0,
     0,
     260,
     170,
     {{kThumbs, WC_LISTVIEW, WS_BORDER | WS_TABSTOP, 0, "", 7, 7, 246, 118},
      {kGroups, WC_COMBOBOX, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, "", 7, 132, 110, 80},
      {kRemove, WC_BUTTON, WS_TABSTOP, 0, "Remove", 122, 130, 20, 16},
      {kLarge, WC_BUTTON, WS_TABSTOP, 0, "Large", 146, 130, 20, 16},
      {IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, "OK", 148, 150, 50, 14},
      {IDCANCEL, WC_BUTTON, WS_TABSTOP, 0, "Cancel", 203, 150, 50, 14}}});

class FoundationDialog : public CDialog {
  public:
    explicit FoundationDialog(Ktx_StringArray files)
        : CDialog(kFoundationDialog), files(std::move(files)) {
        onClicked(kRemove, [this] { removeSelected(); });
        onClicked(kLarge, [this] { drawThumbnails(); });
        onNotify(kThumbs, NM_DBLCLK, [this](NMHDR*, LRESULT*) { OnOK(); });
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        thumbs.SubclassDlgItem(kThumbs, this);
        groups.SubclassDlgItem(kGroups, this);
        remove.SubclassDlgItem(kRemove, this);
        large.SubclassDlgItem(kLarge, this);
        remove.SetIcon(206);
        remove.SetTooltipText("Remove the chosen picture from the list");
        large.SetIcon(231);
        large.SetCheckStyle(true);
        large.SetTooltipText("Large thumbnails");
        groups.AddString("Constraints", true);
        groups.AddString("Modules");
        groups.AddString("Patterns", true);
        groups.SetCurSel(0);
        CRect frame;
        GetWindowRect(&frame);
        resizer.SetMinTrackSize(frame.Size());
        resizer.Init(this, {{kThumbs, CResizer::kAll},
                            {kGroups, CResizer::kBottomLeft},
                            {kRemove, CResizer::kBottomLeft},
                            {kLarge, CResizer::kBottomLeft},
                            {IDOK, CResizer::kBottomRight},
                            {IDCANCEL, CResizer::kBottomRight}});
        drawThumbnails();
        return TRUE;
    }
    void OnSize(UINT type, int cx, int cy) override {
        CDialog::OnSize(type, cx, cy);
        resizer.Move();
    }
    void OnGetMinMaxInfo(MINMAXINFO* info) override { resizer.OnGetMinMaxInfo(info); }
    // OK (or a double click) takes the chosen picture; with none chosen the dialog stays open.
    void OnOK() override {
        chosen = thumbs.GetSelectionName();
        if (!chosen.isEmpty()) CDialog::OnOK();
    }

    Ktx_StringArray files;
    Ktx_String chosen;
    CImageListCtrl thumbs;
    CCheckComboBox groups;

  private:
    void drawThumbnails() {
        const int side = large.GetCheck() == BST_CHECKED ? 48 : 32;
        thumbs.Initialize(ImageListData{side, side});
        thumbs.DrawThumbnails(files, Ktx_StringArray());
    }
    void removeSelected() {
        const int index = thumbs.GetSelectionIndex();
        if (index < 0) {
            MessageBox("Choose a picture first.", "Remove", MB_OK | MB_ICONINFORMATION);
            return;
        }
        const Ktx_String name = removeExtension(getFileName(files[index]));
        const std::string question = "Remove \"" + name.str() + "\" from the list?";
        if (MessageBox(question.c_str(), "Remove", MB_YESNO | MB_ICONQUESTION) != IDYES) return;
        files.removeAt(index);
        thumbs.DrawThumbnails(files, Ktx_StringArray());
    }

    CButtonST remove, large;
    CResizer resizer;
};

ScenarioOutcome runFoundation(const ScenarioPlace& place) {
    const Ktx_String icons =
        windowsPathFromHost((std::filesystem::path(place.libraryDir) / "icons").string()) + "\\";
    Ktx_StringArray found, files;
    ObjectExportFindFiles(icons, "*.bmp", found);
    // The section pictures share the folder ("<type>-big.bmp", "<type>-small.bmp"): leave them
    // out, so the list holds the constraint commands' pictures only.
    for (int i = 0; i < found.length(); ++i) {
        if (!found[i].endsWith("-big.bmp", false) && !found[i].endsWith("-small.bmp", false))
            files.append(found[i]);
    }
    FoundationDialog dialog(files);
    ScenarioOutcome outcome;
    outcome.ended = dialog.DoModal() == IDOK ? "OK" : "Cancel";
    outcome.data = {{"chosen", dialog.chosen.str()},
                    {"pictures", dialog.files.length()},
                    {"pictures before", files.length()}};
    return outcome;
}

}  // namespace

Scenario foundationScenario() {
    return {"foundation", "Dialog controls",
            "The Core library's dialog controls on the library's constraint pictures: "
            "thumbnails, image buttons, a check-mark drop-down and resizing; Remove asks first.",
            runFoundation};
}
