// The designer dialog's commands: files, picture, and the layout commands of the template.
#include "core.h"
#include "designer_file_choice.h"
#include "vn_designer_dlg.h"

void VnDesignerDlg::registerCommands() {
    onClicked(kOpen, [this] { onOpen(); });
    onClicked(kSave, [this] { saveAs(); });
    onClicked(kAdd, [this] { onAdd(); });
    onClicked(kDelete, [this] { onDelete(); });
    onClicked(kPicture, [this] { onPicture(); });
    onClicked(kWidth, [this] { data_.changeCtrlSize(true); });
    onClicked(kHeight, [this] { data_.changeCtrlSize(false); });
    onClicked(kCopy, [this] { data_.copyCurCtrls(); });
    onClicked(kAlignBottoms, [this] { data_.outlineCurCtrls(); });
    onClicked(kPlaceBeside, [this] { data_.stickRightCurCtrls(); });
    onCommand(kTypeCombo, CBN_SELCHANGE, [this] {
        data_.propsOfCurSelUpdated();
        data_.updatePropsOfCurSel();
    });
    onCommand(kContents, EN_CHANGE, [this] { data_.propsOfCurSelUpdated(); });
    onCommand(kExtension, EN_CHANGE, [this] { data_.propsOfCurSelUpdated(); });
}

Ktx_String VnDesignerDlg::currentFolder() const {
    return getFolderName(getDesignerRootFolder() + data_.name);
}

void VnDesignerDlg::onOpen() {
    if (!askSave()) return;
    const Ktx_String path =
        chooseDesignerFile(this, true, DesignerFileKind::Template, currentFolder());
    if (!path.isEmpty()) loadTemplate(path);
}

bool VnDesignerDlg::saveAs() {
    const Ktx_String path =
        chooseDesignerFile(this, false, DesignerFileKind::Template, currentFolder());
    if (path.isEmpty()) return false;
    // A path outside the template folder is not written: the changes stay unsaved.
    if (!data_.writeTemplate(path)) return false;
    modified_ = false;
    updateTitle();
    return true;
}

void VnDesignerDlg::onAdd() {
    data_.addNewControl(kCtrlVariableEdit);
    markModified();
}

void VnDesignerDlg::onDelete() {
    data_.removeCurControls();
    data_.updatePropsOfCurSel();
    Invalidate();
    markModified();
}

void VnDesignerDlg::onPicture() {
    const Ktx_String chosen =
        chooseDesignerFile(this, true, DesignerFileKind::Picture, getDesignerRootFolder());
    if (chosen.isEmpty()) return;
    if (data_.name.isEmpty() && !saveAs()) return;
    const Ktx_String picture = getDesignerRootFolder() + data_.name + ".bmp";
    if (!chosen.equal(picture, false)) ObjectExportCopyFile(chosen, picture, true);
    data_.attachBitmap(picture);
    Invalidate();
    markModified();
}
