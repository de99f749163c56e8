#include "csp_file_chooser.h"

#include "file_chooser.h"

namespace {

constexpr size_t kFileNameBuffer = 2048;

}  // namespace

std::optional<Ktx_String> VnCspDialogFileChooser::choose(const VnCspFileRequest& request) {
    // The dialog's file-name buffer holds 2047 bytes and its zero.
    const std::string start = request.startName.str().substr(0, kFileNameBuffer - 1);
    CFileDialog dialog(request.save ? FALSE : TRUE, request.defaultExtension.c_str(), start.c_str(),
                       request.flags, request.filter.c_str());
    dialog.m_ofn.lpstrTitle = request.title.c_str();
    if (dialog.DoModal() != IDOK) return std::nullopt;
    return Ktx_String(dialog.GetPathName());
}
