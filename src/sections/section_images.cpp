#include "section_images.h"

#include <ctime>

#include "file_ops.h"
#include "ktx_settings.h"
#include "section_types.h"

namespace {

const char kUserSections[] = "User Sections\\";

Ktx_String userSectionBase(const Ktx_String& userSection) {
    Ktx_String base = userSection;
    if (base.startsWith(kUserSections, false)) base = base.getSubStringAt(sizeof kUserSections - 1);
    return removeExtension(base);
}

Ktx_String imageBase(const Ktx_String& shape, const Ktx_String& userSection) {
    if (shape.isEmpty()) return userSectionBase(userSection);
    if (isDrawingShape(shape)) return removeExtension(getFileName(shape));
    return sectionTypeImageBase(shapeTypeNumber(shape));
}

// The user section's own picture as "<base>-automated.bmp" in the icons folder, copied when
// the copy is missing or older than the picture; "" when there is no picture.
Ktx_String automatedPicture(const Ktx_String& base) {
    const Ktx_String picture = gSettings.libDir + kUserSections + base + ".bmp";
    if (base.isEmpty() || !ObjectExportFileExists(picture)) return Ktx_String();
    const Ktx_String name = base + "-automated.bmp";
    const Ktx_String copy = sectionIconsFolder() + name;
    std::time_t pictureTime = 0, copyTime = 0;
    const bool haveCopy = ObjectExportGetFileTime(copy, copyTime);
    ObjectExportGetFileTime(picture, pictureTime);
    if (!haveCopy || copyTime < pictureTime) {
        ObjectExportCreateDirectory(sectionIconsFolder());
        if (!ObjectExportCopyFile(picture, copy, true)) return Ktx_String();
    }
    return name;
}

}  // namespace

Ktx_String sectionIconsFolder() {
    return gSettings.appDir + "icons\\";
}

Ktx_String sectionImageName(const Ktx_String& shape, const Ktx_String& userSection, bool big) {
    const Ktx_String suffix = big ? "-big.bmp" : "-small.bmp";
    const Ktx_String base = imageBase(shape, userSection);
    if (!base.isEmpty() && ObjectExportFileExists(sectionIconsFolder() + base + suffix)) {
        return base + suffix;
    }
    if (shape.isEmpty() && !big) {
        const Ktx_String automated = automatedPicture(base);
        if (!automated.isEmpty()) return automated;
    }
    return "Unknown" + suffix;
}
