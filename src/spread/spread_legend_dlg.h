#pragma once
// The header and footer legend dialog (resource 183): the legend to print ("Toe te passen
// legende:"), its alignment ("Links gecentreerd", "In het midden gecentreerd", "Rechts
// gecentreerd"), its font ("Lettertype wijzigen ..." takes the next font of the grid's
// fonts), the result as it will be printed ("Resultaat als voorbeeld"), and "Het
// standaardfont van alle tekstkaders wijzigen", which makes the legend's font the sheet's
// default font (its editor data) and applies it to all cells.
//
// In a legend "&P" stands for the page number, "&N" for the number of pages, "&D" for the
// date (day-month-year) and "&&" for "&".
#include "ktx_string.h"
#include "spread_forward.h"
#include "vn_bound_dialog.h"

struct VnSpreadLegendData {
    enum Alignment : int { Left = 0, Centre = 1, Right = 2 };
    Ktx_String legend;
    int alignment = Centre;
    Ktx_String fontName = "Tahoma";
};

// Today's date as a legend shows it ("08-12-2026"), from the Core library's clock.
Ktx_String spreadLegendDate();
// The legend as printed on `page` of `pages`, dated `date`.
Ktx_String spreadLegendResult(const Ktx_String& legend, int page, int pages,
                              const Ktx_String& date);

class VnSpreadLegendDlg : public VnBoundDialog {
  public:
    static constexpr UINT kResourceId = 183;
    enum ControlId : int {
        kDefaultFont = 1001,
        kLeft = 1002,
        kCentre = 1003,
        kRight = 1004,
        kChangeFont = 1005,
        kFontName = 1006,
        kResult = 1007,
        kLegend = 1008,
    };

    VnSpreadLegendDlg(VnSpreadLegendData& data, Ktx_Spread& grid, CWnd* parent = nullptr);
    BOOL OnInitDialog() override;

  protected:
    void onModelChanged() override;

  private:
    void nextFont();
    void makeDefaultFont();

    VnSpreadLegendData& data_;
    Ktx_Spread& grid_;
};

// Edits a copy of the legend for the grid; the copy goes back to `data` only on OK (true).
bool StartDlgSpreadLegend(VnSpreadLegendData& data, Ktx_Spread& grid, CWnd* owner = nullptr);
