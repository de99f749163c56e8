#include "spread_exports.h"

#include "dialog_scope.h"
#include "ktx_spread_dlg.h"

void EvaluateSS() {
    VnResourceScope resources(vnResourceOverride());
    Ktx_SpreadDlg dlg(Ktx_SpreadDlg::ModeEvaluate);
    dlg.setFileName("c:\\a\\t3.sss");
    dlg.setEvaluateCell(1, 1);
    dlg.DoModal();
}

void ReadSSFile(const Ktx_String& file, Ktx_String& out, Ktx_StringArray& headers,
                Ktx_Array<Ktx_StringArray>& rows) {
    readSpreadsheetFile(file, out, headers, rows);
}

bool readSpreadsheetFile(const Ktx_String& file, Ktx_String& out, Ktx_StringArray& headers,
                         Ktx_Array<Ktx_StringArray>& rows) {
    out.clear();
    headers.removeAll();
    rows.removeAll();
    VnResourceScope resources(vnResourceOverride());
    Ktx_SpreadDlg dlg(Ktx_SpreadDlg::ModeReadFile);
    dlg.setFileName(file);
    dlg.setReadTargets(&out, &headers, &rows);
    return dlg.DoModal() == IDOK;
}
