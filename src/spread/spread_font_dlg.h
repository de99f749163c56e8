#pragma once
// The font and colours dialog (resource 174) of the spreadsheet editor: under "Voorstelling
// aanpassen" a font ("Lettertype": name and height), a background colour
// ("Achtergrondkleur") and a text colour ("Tekstkleur"), and a sample grid (control 1001)
// showing them. It opens on the format of the selection's first cell; OK applies the choice
// to the selected block (else the active cell), whole rows or columns to the last.
//
// The choices are made in lists (fonts of the grid, named colours with "Standaard", the
// grid's default colour) rather than in the system's font and colour choosers.
#include <memory>
#include <string>
#include <vector>

#include "ktx_string.h"
#include "spread_forward.h"
#include "vn_bound_dialog.h"
#include "win_types.h"

struct VnSpreadFontData {
    Ktx_String fontName = "Tahoma";
    int height = 13;
    COLORREF background = 0x8000000BU;  // the grid's default colour
    COLORREF foreground = 0x8000000BU;
};

// The dialog's lists and their rules, without windows.
struct VnSpreadFontModel {
    struct NamedColour {
        const char* name;
        COLORREF colour;
    };
    static const std::vector<std::string>& fontNames();
    static const std::vector<NamedColour>& colours();
    // The list position of a colour; -1 when it is none of the list.
    static int colourIndex(COLORREF colour);
    // Heights from 6 to 72 are taken; others are refused (false, unchanged).
    static bool setHeight(VnSpreadFontData& data, const std::string& text);
};

class VnSpreadFontDlg : public VnBoundDialog {
  public:
    static constexpr UINT kResourceId = 174;
    enum ControlId : int {
        kSample = 1001,
        kFontName = 1002,
        kFontHeight = 1003,
        kBackground = 1004,
        kForeground = 1005,
    };

    VnSpreadFontDlg(VnSpreadFontData& data, CWnd* parent = nullptr);
    BOOL OnInitDialog() override;

  protected:
    void onModelChanged() override;

  private:
    void fillLists();
    void onListChanged();

    VnSpreadFontData& data_;
    std::string heightText_;
    std::unique_ptr<Ktx_Spread> sample_;
};

// Runs the dialog on the grid's selection; true when OK applied the choice.
bool StartDlgSpreadFont(Ktx_Spread& ss, CWnd* owner = nullptr);
