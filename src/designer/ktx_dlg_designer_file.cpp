// Template files, the picture and its transparency mask, and the template folder.
#include <algorithm>

#include "core.h"
#include "ktx_dlg_designer_data.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

}  // namespace

Ktx_String getDesignerRootFolder() {
    return gSettings.libDir + "Dialog Templates\\Dialog Design\\";
}

void getModuleImages(Ktx_StringArray& names) {
    names.removeAll();
    const Ktx_String root = getDesignerRootFolder();
    Ktx_StringArray files;
    ObjectExportFindFilesRecursive(root, "*.txt", files);
    for (const Ktx_String& file : files) {
        names.append(removeExtension(file).getSubStringAt(root.length()));
    }
    ObjectExportSort(names, false);
}

void GetImageDlgCtrlNames(const Ktx_String& path, Ktx_StringArray& names) {
    names.removeAll();
    Ktx_DlgDesignerData data;
    if (data.readFromFile(path, false)) data.getAllCtrlNames(names);
}

bool Ktx_DlgDesignerData::getNameFromFile(const Ktx_String& path, Ktx_String& outName) const {
    const Ktx_String root = getDesignerRootFolder();
    if (!path.startsWith(root, false)) return false;
    outName = removeExtension(path.getSubStringAt(root.length()));
    return true;
}

bool Ktx_DlgDesignerData::readFromFile(const Ktx_String& path, bool withPicture) {
    if (!ObjectExportFileExists(path)) return false;
    Ktx_String newName;
    if (!getNameFromFile(path, newName)) return false;
    Ktx_PropertiesList list;
    if (list.readFromFile(path) != Acad::eOk) return false;
    name = newName;
    int count = 0;
    list.getProperty("nrOfControls", count);
    // A count beyond the file's number of properties can only add empty records; a damaged
    // count of millions would stall the reader, so it is held to that number.
    count = std::min(count, list.count());
    removeAllControls();
    for (int i = 0; i < count; ++i) {
        Ktx_DesignerControl control;
        control.getFromPropList(list, i);
        append(control);
    }
    if (withPicture) attachBitmap(changeExtension(path, "bmp"));
    return true;
}

void Ktx_DlgDesignerData::writeToFile(const Ktx_String& path) {
    writeTemplate(path);
}

bool Ktx_DlgDesignerData::writeTemplate(const Ktx_String& path) {
    const Ktx_String oldName = name;
    if (!getNameFromFile(path, name)) return false;
    const Ktx_String oldPicture = getDesignerRootFolder() + oldName + ".bmp";
    const Ktx_String newPicture = changeExtension(path, "bmp");
    if (!oldName.isEmpty() && !oldPicture.equal(newPicture, false))
        ObjectExportCopyFile(oldPicture, newPicture, true);
    getSizeFromAllControls();
    Ktx_PropertiesList list;
    list.setProperty("nrOfControls", getNrControls());
    for (int i = 0; i < getNrControls(); ++i)
        controls[static_cast<size_t>(i)]->setToPropList(list, i);
    return list.writeToFile(path) == Acad::eOk;
}

void Ktx_DlgDesignerData::attachBitmap(const Ktx_String& path) {
    if (!ObjectExportFileExists(path)) return;
    imageWidth = 0;
    imageHeight = 0;
    picture_.DeleteObject();
    mask_.DeleteObject();
    // The window system's loader takes this machine's path.
    HANDLE loaded = LoadImage(nullptr, hostPath(path).c_str(), IMAGE_BITMAP, 0, 0,
                              LR_LOADFROMFILE | LR_DEFAULTSIZE);
    if (!loaded || !picture_.Attach(reinterpret_cast<HBITMAP>(loaded))) return;
    BitmapImage* image = picture_.image();
    if (!image) return;
    imageWidth = image->width();
    imageHeight = image->height();
    BitmapImage maskImage(imageWidth, imageHeight, true);
    for (int y = 0; y < imageHeight; ++y) {
        for (int x = 0; x < imageWidth; ++x) {
            if (image->pixel(x, y) != kWhite) continue;
            maskImage.setPixel(x, y, kWhite);
            image->setPixel(x, y, kBlack);
        }
    }
    mask_.Attach(gdiCreateBitmapFromImage(std::move(maskImage)));
}
