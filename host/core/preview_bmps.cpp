#include "preview_bmps.h"

#include <algorithm>
#include <cmath>

#include "bitmap_file.h"
#include "file_ops.h"
#include "macro_data.h"
#include "macro_file.h"
#include "text_file.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kFrame = RGB(160, 160, 160);
constexpr COLORREF kProfile = RGB(110, 110, 120);
constexpr COLORREF kPlate = RGB(70, 110, 170);
constexpr COLORREF kBolt = RGB(40, 40, 40);

struct Box {
    int left, top, width, height;
};

void fillBox(BitmapImage& image, const Box& box, COLORREF colour) {
    for (int y = box.top; y < box.top + box.height; ++y)
        for (int x = box.left; x < box.left + box.width; ++x) image.setPixel(x, y, colour);
}

void fillDisc(BitmapImage& image, int cx, int cy, int radius, COLORREF colour) {
    for (int y = -radius; y <= radius; ++y)
        for (int x = -radius; x <= radius; ++x)
            if (x * x + y * y <= radius * radius) image.setPixel(cx + x, cy + y, colour);
}

double variable(const Ktx_Module& module, const char* name, double fallback) {
    for (const Ktx_ConstrVar& v : module.variables)
        if (v.name == name && v.value > 0) return v.value;
    return fallback;
}

// An I-section standing in the cell: two flanges and a web.
void drawProfile(BitmapImage& image, const Box& cell) {
    const int flange = std::max(1, cell.height / 8);
    const int web = std::max(1, cell.width / 8);
    fillBox(image, {cell.left, cell.top, cell.width, flange}, kProfile);
    fillBox(image, {cell.left, cell.top + cell.height - flange, cell.width, flange}, kProfile);
    fillBox(image, {cell.left + (cell.width - web) / 2, cell.top, web, cell.height}, kProfile);
}

// A plate with the proportions of its W x H, as large as the cell allows.
void drawPlate(BitmapImage& image, const Box& cell, const Ktx_Module& module) {
    const double w = variable(module, "W", 1.0);
    const double h = variable(module, "H", 1.0);
    const double scale = std::min(cell.width / w, cell.height / h);
    const int pw = std::max(1, static_cast<int>(w * scale));
    const int ph = std::max(1, static_cast<int>(h * scale));
    fillBox(image, {cell.left + (cell.width - pw) / 2, cell.top + (cell.height - ph) / 2, pw, ph},
            kPlate);
}

// Bolts in rows and columns: "Rows" rows holding "Count" bolts in all (2 x 2 without them).
void drawBolts(BitmapImage& image, const Box& cell, const Ktx_Module& module) {
    const int rows = std::clamp(static_cast<int>(variable(module, "Rows", 2)), 1, 8);
    const int count = std::clamp(static_cast<int>(variable(module, "Count", rows * 2)), rows, 64);
    const int columns = std::clamp((count + rows - 1) / rows, 1, 8);
    const int stepX = cell.width / columns;
    const int stepY = cell.height / rows;
    const int radius = std::max(1, std::min(stepX, stepY) / 3);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            fillDisc(image, cell.left + stepX * c + stepX / 2, cell.top + stepY * r + stepY / 2,
                     radius, kBolt);
}

// The cells of n modules: a grid as square as the picture allows, with a margin in each cell.
Box cellOf(int index, int count, int width, int height) {
    const int columns = std::max(1, static_cast<int>(std::ceil(std::sqrt(count))));
    const int rows = (count + columns - 1) / columns;
    const int cw = std::max(1, (width - 4) / columns);
    const int ch = std::max(1, (height - 4) / std::max(rows, 1));
    const int margin = std::max(1, std::min(cw, ch) / 8);
    return {2 + cw * (index % columns) + margin, 2 + ch * (index / columns) + margin,
            std::max(1, cw - 2 * margin), std::max(1, ch - 2 * margin)};
}

}  // namespace

BitmapImage drawMacroPreview(const Ktx_Macro& macro, int width, int height) {
    BitmapImage image(std::max(width, 0), std::max(height, 0), false);
    image.fill(kWhite);
    const int count = static_cast<int>(macro.modules.size());
    for (int i = 0; i < count; ++i) {
        const Ktx_Module& module = macro.modules[static_cast<size_t>(i)];
        const Box cell = cellOf(i, count, width, height);
        if (module.isProfileModule())
            drawProfile(image, cell);
        else if (module.isBoltModule())
            drawBolts(image, cell, module);
        else
            drawPlate(image, cell, module);
    }
    for (int x = 0; x < width; ++x) {
        image.setPixel(x, 0, kFrame);
        image.setPixel(x, height - 1, kFrame);
    }
    for (int y = 0; y < height; ++y) {
        image.setPixel(0, y, kFrame);
        image.setPixel(width - 1, y, kFrame);
    }
    return image;
}

bool CreatePreviewBMPs(const Ktx_StringArray& drawings, int width, int height,
                       const Ktx_String& kind) {
    if (!kind.equal("abm", false) || width <= 0 || height <= 0 || width > kPreviewMaxSide ||
        height > kPreviewMaxSide)
        return false;
    bool all = true;
    for (const Ktx_String& drawing : drawings) {
        Ktx_Macro macro;
        MacroData data;
        Ktx_String error;
        if (!readMacroFile(drawing, macro, data, error) ||
            !coreWriteFileAtomic(changeExtension(drawing, "bmp"),
                                 encodeBmp(drawMacroPreview(macro, width, height))))
            all = false;
    }
    return all;
}
