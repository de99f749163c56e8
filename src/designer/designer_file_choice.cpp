#include "designer_file_choice.h"

#include "core.h"
#include "dlg_open_save.h"

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
    const Ktx_String filterText =
        dialString(pictures ? kTextPictures : kTextTemplates) + " (*." + extension + ")";
    return DlgOpenSave(open, extension, filterText,
                       dialString(open ? kTextOpenTitle : kTextSaveTitle), startFolder,
                       Ktx_String(), parent);
}
