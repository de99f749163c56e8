#include "vn_dstv_models.h"

#include <cstdlib>

#include "dlg_controls.h"
#include "file_ops.h"
#include "ktx_string.h"

namespace {

// Numbers shown without trailing zeros: 50 and 16, 22.5.
Ktx_String numberText(double value) {
    return Ktx_String(value, 6, true);
}

}  // namespace

void VnDstvGroupsModel::refill() {
    names_ = points_.getAllDstvPointsFiles();
    const Ktx_String standard = removeExtension(getFileName(points_.getStandardDstvPointsFile()));
    standard_ = -1;
    for (int i = 0; i < names_.length() && !standard.isEmpty(); ++i)
        if (ktxCompareNoCase(names_[i].str(), standard.str()) == 0) standard_ = i;
    select(selected_);
}

Ktx_String VnDstvGroupsModel::selectedFile() const {
    return selected_ < 0 ? Ktx_String() : points_.groupFile(names_[selected_]);
}

bool VnDstvGroupsModel::makeStandard() {
    if (selected_ < 0 || !points_.setStandardDstvPointsFile(selectedFile())) return false;
    refill();
    return true;
}

VnDstvGroupsModel::AddResult VnDstvGroupsModel::add(const Ktx_String& name) {
    if (name.isEmpty()) return AddResult::Failed;
    for (const Ktx_String& existing : names_)
        if (ktxCompareNoCase(existing.str(), name.str()) == 0) return AddResult::Exists;
    ObjectExportCreateDirectory(points_.getDstvPointsFolder());
    if (!points_.writeToFile(points_.groupFile(name), DstvPoints())) return AddResult::Failed;
    refill();
    return AddResult::Added;
}

bool VnDstvGroupsModel::remove() {
    if (selected_ < 0 || !deleteFile(selectedFile())) return false;
    refill();
    return true;
}

void VnDstvPointsModel::show(int index) {
    current_ = points_.isValidIndex(index) ? index : -1;
    const Ktx_DstvPointInfo point = current_ >= 0 ? points_[index] : Ktx_DstvPointInfo();
    name = point.name;
    extentOn = point.extentOn;
    extentFirst = point.extentFirst;
    extentSecond = point.extentSecond;
    centred = point.centred;
    intersectionIndex = point.intersectionIndex;
    viewFirst = point.viewFirst;
    viewSecond = point.viewSecond;
    edgeDistanceText = numberText(point.minEdgeDistance);
    fullHole = point.fullHole;
    byThickness = point.diameterByThickness;
    diameterText = numberText(point.holeDiameter);
}

void VnDstvPointsModel::store() {
    if (current_ < 0) return;
    Ktx_DstvPointInfo& point = points_[current_];
    point.setName(name);
    point.setSelectGeomExtent(extentOn, extentFirst, extentSecond);
    point.setSelectIntersGeom(!extentOn, centred, intersectionIndex);
    point.setPlateSelection(viewFirst, viewSecond, std::atof(edgeDistanceText.c_str()));
    point.setDrillFullHole(fullHole, byThickness, std::atof(diameterText.c_str()));
}

void VnDstvPointsModel::choose(int index) {
    store();
    show(index);
}

void VnDstvPointsModel::add(const Ktx_String& pointName) {
    store();
    points_.append(Ktx_DstvPointInfo(pointName));
    show(points_.length() - 1);
}

bool VnDstvPointsModel::removeCurrent() {
    if (current_ < 0 || points_.removeAt(current_) != Acad::eOk) return false;
    show(current_ < points_.length() ? current_ : points_.length() - 1);
    return true;
}
