#include "designer_file_choice.h"

#include "core.h"
#include "file_chooser.h"

namespace {

constexpr int kTextTemplates = 840;
constexpr int kTextPictures = 839;
constexpr int kTextOpenTitle = 841;
constexpr int kTextSaveTitle = 842;

}  // namespace

Ktx_String chooseDesignerFile(CWnd* parent, bool open, DesignerFileKind kind,
                              const Ktx_String& startFolder) {
    const bool pictures = kind == DesignerFileKind::Picture;
    const Ktx_String extension = pictures ? "bmp" : "txt";
    const Ktx_String filter = dialString(pictures ? kTextPictures : kTextTemplates) + " (*." +
                              extension + ")|*." + extension + "||";
    const Ktx_String title = dialString(open ? kTextOpenTitle : kTextSaveTitle);
    const DWORD flags =
        open ? OFN_HIDEREADONLY | OFN_FILEMUSTEXIST : OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    CFileDialog dialog(open ? TRUE : FALSE, extension.c_str(), nullptr, flags, filter.c_str(),
                       parent);
    dialog.m_ofn.lpstrTitle = title.c_str();
    dialog.m_ofn.lpstrInitialDir = startFolder.c_str();
    if (dialog.DoModal() != IDOK) return {};
    return Ktx_String(dialog.GetPathName());
}
