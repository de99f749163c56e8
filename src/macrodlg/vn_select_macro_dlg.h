#pragma once
// VnSelectMacroDlg: the user picks one macro drawing from a library of drawings shown as
// thumbnails, narrowed by a grid of filter options (the drawings' modules and their
// properties). The rules live in VnSelectMacroModel; the dialog keeps the thumbnails, the
// grid and the shown or hidden filter options in step with it.
//
// The filter options' visibility is kept in the registry ("LARGE_DLG" under
// "DLG_SELECT_MACRO") and the dialog's size under "DLG_SELECT_MACRO". Hiding the options
// shrinks their frame to its caption and gives the room to the thumbnails.
#include <memory>

#include "button_st.h"
#include "csize.h"
#include "image_list_ctrl.h"
#include "resizer.h"
#include "vn_bound_dialog.h"
#include "vn_select_macro_model.h"

class Ktx_Spread;

class VnSelectMacroDlg : public VnBoundDialog {
  public:
    static constexpr UINT kResourceId = 8717;
    static constexpr const char* kRegSection = "DLG_SELECT_MACRO";
    static constexpr const char* kRegLargeDlg = "LARGE_DLG";
    enum ControlId : int {
        kThumbnails = 9091,
        kFilterButton = 1409,
        kFilterFrame = 1175,
        kFilterGrid = 1196,
        kOther = 1352,
        kHint = 1353,
        kPreviews = 9093,
    };
    static constexpr UINT kIconShown = 241;
    static constexpr UINT kIconHidden = 240;
    // The thumbnail list loses this much height when the hint is shown.
    static constexpr int kHintHeight = 60;

    explicit VnSelectMacroDlg(VnSelectMacroModel& model, CWnd* parent = nullptr);
    ~VnSelectMacroDlg() override;

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnDestroy() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;

  private:
    VnBinding hintBinding();
    void setUpTexts();
    void setUpHint();
    void initResizer();
    void createPreviews();
    void fillFilterGrid();
    void fillThumbnails();
    void toggleFilters();
    void showOrHideFilters(bool resize);
    LRESULT onGridNotify(WPARAM wParam, LPARAM lParam);
    void chooseOther();

    CImageListCtrl thumbnails_;
    CButtonST filterButton_;
    VnSelectMacroModel& model_;  // caption, filter, flags, choice, filter items, states
    CResizer resizer_;
    std::unique_ptr<Ktx_Spread> grid_;
    CSize savedSize_{50, 50};
    int gridHeight_ = 0;
};

// Opens the dialog on the drawings and folders `names` (those whose `enabled` entry is true;
// Ktx_MacroPropsFilter::initialize takes them with the two numbers, the thumbnail size).
// True when the user chose: `chosen` then holds the drawing (empty for the other choice,
// button 1352) and `extraChoice` whether the other choice was taken; otherwise both are left
// as they were. Button 1352 is offered only when `extraChoice` is true on entry.
bool StartDlgSelectMacro(const Ktx_String& caption, const Ktx_StringArray& names,
                         const AcArray<bool>& enabled, int number1, int number2, Ktx_String& chosen,
                         bool& extraChoice, bool showHint);
// The same with every name enabled.
bool StartDlgSelectMacro(const Ktx_String& caption, const Ktx_StringArray& names, int number1,
                         int number2, Ktx_String& chosen, bool& extraChoice, bool showHint);
