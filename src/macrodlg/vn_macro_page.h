#pragma once
// VnMacroPage: one page of the macro dialog, a child of its tab control showing one tab of
// the dialog's MacroData. The dialog asks every page to store its values into the tab before
// it shows another page, to fill its controls when it is shown, and for the size it needs.
// A page applies a confirmed change itself (see the image page) and finds the dialog that
// owns it with getDlgOwner.
#include "macro_data.h"
#include "win.h"

class VnMacroDlg;

class VnMacroPage : public CDialog {
  public:
    VnMacroPage(UINT resourceId, MacroData& data, int tabIndex)
        : CDialog(resourceId), data_(data), tabIndex_(tabIndex) {}

    // Reads the controls into the tab.
    virtual void storeValues() = 0;
    // Writes the tab into the controls (first: the first showing of the dialog).
    virtual void fillControls(bool first) = 0;
    // The size the page asks of the dialog, in pixels.
    virtual CSize requestedSize() const = 0;
    // Places the page's own controls for its present client size.
    virtual void layOut() {}

    // Reads the controls into the tab, lets the Core library apply what changed to the macros
    // (UpdateModule) and, when that succeeded, runs the clash check; then refills the
    // controls and posts a fresh prompt. The page is not ready for input meanwhile.
    void apply();
    bool readyForInput() const { return ready_; }

    int tabIndex() const { return tabIndex_; }
    MacroTabData* tab() { return data_.getTab(tabIndex_); }
    // The macro dialog this page belongs to; nullptr for a page outside one.
    VnMacroDlg* getDlgOwner() const;

    void OnSize(UINT type, int cx, int cy) override;

  protected:
    MacroData& data_;
    int tabIndex_;
    bool ready_ = false;
};
