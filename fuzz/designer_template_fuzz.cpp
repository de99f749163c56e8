// Dialog template files read from disk: reading never fails on a readable properties list,
// every control gets a pixel rectangle and a place in the tab order (which ends), and a
// template written back reads back to the same controls.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core_reset.h"
#include "fuzz_folder.h"
#include "ktx_dlg_designer_data.h"
#include "ktx_settings.h"
#include "path_translation.h"

namespace {

bool sameNumber(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b));
}

bool sameControl(const Ktx_DesignerControl& a, const Ktx_DesignerControl& b) {
    return a.type == b.type && sameNumber(a.topLeftX, b.topLeftX) &&
           sameNumber(a.topLeftY, b.topLeftY) && sameNumber(a.bottomRightX, b.bottomRightX) &&
           sameNumber(a.bottomRightY, b.bottomRightY) && a.contents == b.contents &&
           a.getMergedExtComboList() == b.getMergedExtComboList() && a.resourceId == b.resourceId;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = [] {
        setDriveRoot(fuzzFolder().string());
        gSettings.setLibDir("c:\\lib\\");
        return true;
    }();
    (void)ready;
    fuzzWriteFile(fuzzFolder() / "c" / "lib" / "Dialog Templates" / "Dialog Design" / "in.txt",
                  std::string(reinterpret_cast<const char*>(data), size));
    Ktx_PropertiesList raw;
    const Ktx_String in = getDesignerRootFolder() + "in.txt";
    const bool readable = raw.readFromFile(in) == Acad::eOk;
    Ktx_DlgDesignerData first;
    first.firstResourceId = 1;
    first.lastResourceId = 100;
    if (first.readFromFile(in, false) != readable) std::abort();
    if (!readable) return 0;
    first.imageWidth = 360;
    first.imageHeight = 260;
    for (int i = 0; i < first.getNrControls(); ++i) first.pixelRect(*first.getControl(i));
    first.sortAllControls();

    if (!first.writeTemplate(getDesignerRootFolder() + "out.txt")) std::abort();
    Ktx_DlgDesignerData second;
    second.firstResourceId = 1;
    second.lastResourceId = 100;
    if (!second.readFromFile(getDesignerRootFolder() + "out.txt", false)) std::abort();
    if (second.getNrControls() != first.getNrControls()) std::abort();
    for (int i = 0; i < first.getNrControls(); ++i) {
        if (!sameControl(*first.getControl(i), *second.getControl(i))) std::abort();
    }
    return 0;
}
