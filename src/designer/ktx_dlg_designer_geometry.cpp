// Conversions between the stored fractions and pixels of the picture.
#include <algorithm>
#include <cmath>

#include "core.h"
#include "ktx_dlg_designer_data.h"
#include "object_export_math.h"

namespace {

// Pixel coordinates are kept far inside the int range; a fraction from a file may be huge
// or not a number.
constexpr double kPixelLimit = 1.0e6;

int wholePixels(double v) {
    if (!std::isfinite(v)) return 0;
    return static_cast<int>(std::clamp(ObjectExportRoundTo(v, 1.0), -kPixelLimit, kPixelLimit));
}

}  // namespace

// Without a picture there is no scale: 0 rather than an infinite fraction in the file.
double Ktx_DlgDesignerData::pixelsToFactor(bool horizontal, double pixels) const {
    const int size = horizontal ? imageWidth : imageHeight;
    return size == 0 ? 0.0 : pixels / size;
}

double Ktx_DlgDesignerData::factorToPixels(bool horizontal, double factor) const {
    return factor * (horizontal ? imageWidth : imageHeight);
}

double Ktx_DlgDesignerData::getTopLeftX(const Ktx_DesignerControl& c) const {
    return factorToPixels(true, c.topLeftX);
}
double Ktx_DlgDesignerData::getTopLeftY(const Ktx_DesignerControl& c) const {
    return factorToPixels(false, c.topLeftY);
}
double Ktx_DlgDesignerData::getBottomRightX(const Ktx_DesignerControl& c) const {
    return factorToPixels(true, c.bottomRightX);
}
double Ktx_DlgDesignerData::getBottomRightY(const Ktx_DesignerControl& c) const {
    return factorToPixels(false, c.bottomRightY);
}
void Ktx_DlgDesignerData::setTopLeftX(Ktx_DesignerControl& c, double pixels) const {
    c.topLeftX = pixelsToFactor(true, pixels);
}
void Ktx_DlgDesignerData::setTopLeftY(Ktx_DesignerControl& c, double pixels) const {
    c.topLeftY = pixelsToFactor(false, pixels);
}
void Ktx_DlgDesignerData::setBottomRightX(Ktx_DesignerControl& c, double pixels) const {
    c.bottomRightX = pixelsToFactor(true, pixels);
}
void Ktx_DlgDesignerData::setBottomRightY(Ktx_DesignerControl& c, double pixels) const {
    c.bottomRightY = pixelsToFactor(false, pixels);
}

double Ktx_DlgDesignerData::getWidth(const Ktx_DesignerControl& c) const {
    return getBottomRightX(c) - getTopLeftX(c);
}
double Ktx_DlgDesignerData::getHeight(const Ktx_DesignerControl& c) const {
    return getBottomRightY(c) - getTopLeftY(c);
}
void Ktx_DlgDesignerData::setWidth(Ktx_DesignerControl& c, double pixels) const {
    setBottomRightX(c, getTopLeftX(c) + pixels);
}
void Ktx_DlgDesignerData::setHeight(Ktx_DesignerControl& c, double pixels) const {
    setTopLeftY(c, getBottomRightY(c) - pixels);
}

void Ktx_DlgDesignerData::changeCtrlSize(int index, bool horizontal, double pixels) {
    Ktx_DesignerControl* c = getControlWrite(index);
    if (!c) return;
    if (horizontal)
        c->bottomRightX = c->topLeftX + pixelsToFactor(true, pixels);
    else
        c->bottomRightY = c->topLeftY + pixelsToFactor(false, pixels);
}

void Ktx_DlgDesignerData::getImageSize(int& width, int& height) const {
    width = initialized ? imageWidth : 0;
    height = initialized ? imageHeight : 0;
}

CRect Ktx_DlgDesignerData::pixelRect(const Ktx_DesignerControl& c) const {
    return CRect(wholePixels(imageWidth * c.topLeftX), wholePixels(imageHeight * c.topLeftY),
                 wholePixels(imageWidth * c.bottomRightX),
                 wholePixels(imageHeight * c.bottomRightY));
}

void Ktx_DlgDesignerData::getSizeFromControl(int index) {
    CWnd* dlg = getDlgPtr();
    Ktx_DesignerControl* c = getControlWrite(index);
    if (!dlg || !c || drawnCount() != getNrControls() || imageWidth == 0 || imageHeight == 0)
        return;
    CControlRect* drawn = drawnAt(index);
    drawn->syncFromWindow();
    const CRect& r = drawn->m_rect;
    c->topLeftX = static_cast<double>(r.left) / imageWidth;
    c->topLeftY = static_cast<double>(r.top) / imageHeight;
    c->bottomRightX = static_cast<double>(r.right) / imageWidth;
    c->bottomRightY = static_cast<double>(r.bottom) / imageHeight;
}

void Ktx_DlgDesignerData::getSizeFromAllControls() {
    for (int i = 0; i < getNrControls(); ++i) getSizeFromControl(i);
}
