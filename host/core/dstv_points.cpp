#include "dstv_points.h"

#include "file_ops.h"
#include "file_search.h"
#include "ktx_settings.h"

namespace {

constexpr const char* kStandardFile = "Standard.ini";
constexpr const char* kStandardKey = "standard";

}  // namespace

Ktx_String DlgDstvPoints::getDstvPointsFolder() const {
    return gSettings.libDir + "DSTV Points\\";
}

Ktx_String DlgDstvPoints::groupFile(const Ktx_String& group) const {
    return getDstvPointsFolder() + group + ".dat";
}

Ktx_StringArray DlgDstvPoints::getAllDstvPointsFiles() const {
    Ktx_StringArray files, names;
    ObjectExportFindFiles(getDstvPointsFolder(), "*.dat", files);
    for (const Ktx_String& file : files) names.append(removeExtension(getFileName(file)));
    return names;
}

bool DlgDstvPoints::readFromFile(const Ktx_String& file, DstvPoints& points) const {
    Ktx_PropertiesList list;
    points.removeAll();
    return list.readFromFile(file) == Acad::eOk && dstvPointsFromList(list, points);
}

bool DlgDstvPoints::writeToFile(const Ktx_String& file, const DstvPoints& points) const {
    return dstvPointsToList(points).writeToFile(file) == Acad::eOk;
}

bool DlgDstvPoints::setStandardDstvPointsFile(const Ktx_String& file) {
    Ktx_PropertiesList list;
    list.setProperty(kStandardKey, getFileName(file));
    ObjectExportCreateDirectory(getDstvPointsFolder());
    return list.writeToFile(getDstvPointsFolder() + kStandardFile) == Acad::eOk;
}

Ktx_String DlgDstvPoints::getStandardDstvPointsFile() const {
    Ktx_PropertiesList list;
    Ktx_String file;
    if (list.readFromFile(getDstvPointsFolder() + kStandardFile) != Acad::eOk ||
        !list.getProperty(kStandardKey, file) || file.isEmpty())
        return Ktx_String();
    return getDstvPointsFolder() + file;
}
