#include "dlg_open_save.h"

#include "file_chooser.h"
#include "file_ops.h"

namespace {

std::string filterOf(const Ktx_String& text, const Ktx_String& extension) {
    return std::string(text.c_str()) + "|*." + extension.c_str() + "||";
}

bool hasExtension(const Ktx_String& path) {
    const Ktx_String name = getFileName(path);
    return name.findLastFrom(".") > 0;
}

}  // namespace

Ktx_String DlgOpenSave(bool open, const Ktx_String& extension, const Ktx_String& filterText,
                       const Ktx_String& title, const Ktx_String& startFolder,
                       const Ktx_String& fileName, CWnd* parent) {
    const std::string filter = filterOf(filterText, extension);
    const DWORD flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                        (open ? OFN_FILEMUSTEXIST : OFN_OVERWRITEPROMPT);
    CFileDialog chooser(open, extension.c_str(), fileName.isEmpty() ? nullptr : fileName.c_str(),
                        flags, filter.c_str(), parent);
    chooser.m_ofn.lpstrTitle = title.c_str();
    chooser.m_ofn.lpstrInitialDir = startFolder.c_str();
    if (chooser.DoModal() != IDOK) return Ktx_String();
    Ktx_String path(chooser.GetPathName());
    if (open) return ObjectExportFileExists(path) ? path : Ktx_String();
    if (!path.isEmpty() && !hasExtension(path)) path.append(Ktx_String(".") + extension);
    return path;
}

bool DlgOpenMulti(const Ktx_String& folder, const Ktx_String& fileType, const Ktx_String& extension,
                  const Ktx_String& caption, Ktx_StringArray& chosen, CWnd* parent) {
    const std::string filter = filterOf(fileType + " (*." + extension + ")", extension);
    CFileDialog chooser(TRUE, extension.c_str(), nullptr,
                        OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_ALLOWMULTISELECT | OFN_EXPLORER,
                        filter.c_str(), parent);
    chooser.m_ofn.lpstrTitle = caption.c_str();
    chooser.m_ofn.lpstrInitialDir = folder.c_str();
    if (chooser.DoModal() != IDOK) return false;
    Ktx_StringArray paths;
    for (POSITION at = chooser.GetStartPosition(); at != nullptr;) {
        const Ktx_String path(chooser.GetNextPathName(at));
        if (!path.isEmpty() && !paths.contains(path, false)) paths.append(path);
    }
    if (paths.length() == 0) return false;
    chosen = paths;
    return true;
}
