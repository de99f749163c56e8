#pragma once
// The print preview (resource 180) of a grid: a preview control ("fpSpreadPreview70") showing
// one page of the sheet (40 rows, with the column headers) at a zoom, and the buttons
// "Close", "Next", "Previous", "Zoom In", "Zoom Out", "Setup" (the header and footer legend,
// resource 183) and "Print". This system has no printer: "Print" stays disabled.
#include "spread_forward.h"
#include "spread_legend_dlg.h"
#include "t_spread.h"
#include "vn_bound_dialog.h"

// Pages and zoom, without windows.
struct VnSpreadPreviewModel {
    static constexpr int kRowsPerPage = 40;
    int page = 1;
    int pageCount = 1;
    int zoom = 100;  // percent, one of kZooms

    // Pages for a sheet of that many rows (at least one); the page stays within them.
    void setRows(int rows);
    bool canNext() const { return page < pageCount; }
    bool canPrevious() const { return page > 1; }
    bool canZoomIn() const;
    bool canZoomOut() const;
    void next();
    void previous();
    void zoomIn();
    void zoomOut();
    int firstRow() const { return (page - 1) * kRowsPerPage + 1; }
    // "Page 2 of 3 (150%)".
    std::string caption() const;
};

class VnSpreadPreviewDlg : public VnBoundDialog {
  public:
    static constexpr UINT kResourceId = 180;
    enum ControlId : int {
        kPreview = 1000,
        kNext = 1001,
        kPrevious = 1002,
        kZoomIn = 1003,
        kZoomOut = 1004,
        kSetup = 1005,
        kPrint = 1006,
        kPage = 1007,
    };

    VnSpreadPreviewDlg(Ktx_Spread& source, CWnd* parent = nullptr);
    BOOL OnInitDialog() override;
    const VnSpreadPreviewModel& model() const { return model_; }
    // The page legend, edited with "Setup" and shown above the page.
    const VnSpreadLegendData& legend() const { return legend_; }
    HWND previewWindow() const { return preview_.GetSafeHwnd(); }

  protected:
    void onModelChanged() override;

  private:
    void showPage();

    Ktx_Spread& source_;
    VnSpreadPreviewModel model_;
    VnSpreadLegendData legend_;
    TSpreadPreview preview_;
};

// Shows the preview of the grid; true when it was shown.
bool StartDlgSpreadPreview(Ktx_Spread& ss, CWnd* owner = nullptr);
