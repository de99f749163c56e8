#include "bill_picture.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "bitmap_file.h"
#include "bitmap_image.h"
#include "core_reset.h"
#include "file_ops.h"
#include "ktx_settings.h"
#include "text_file.h"

namespace {

constexpr int kDefaultWidth = 120;
constexpr int kWindowMargin = 20;
constexpr int kPartMargin = 4;
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kFillColour = 0xD8D8D8;
constexpr COLORREF kFrameColour = 0x808080;

struct PictureState {
    int windowSize = 0;
    int pictureCount = 0;
};

PictureState& state() {
    static PictureState s;
    return s;
}

const struct PictureResetRegistrar {
    PictureResetRegistrar() {
        coreAddResetHook([] { state() = PictureState(); });
    }
} kPictureReset;

// The first number in a text ("IPE300" gives 300, "PL 15" 15); 0 when there is none.
double firstNumber(const Ktx_String& text) {
    const std::string& s = text.str();
    const auto digit = std::find_if(
        s.begin(), s.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
    return digit == s.end() ? 0.0 : Ktx_String(std::string(digit, s.end())).toDouble();
}

double columnNumber(const Ktx_StringArray& row, const Ktx_Bill& bill, const char* name) {
    const int index = bill.columnIndex(name);
    return index >= 0 && index < row.length() ? firstNumber(row[index]) : 0.0;
}

// The part's side outline: its length and its height (width, else the profile's number).
bool partSize(const Ktx_StringArray& row, const Ktx_Bill& bill, double& length, double& height) {
    length = columnNumber(row, bill, "Length");
    height = columnNumber(row, bill, "Width");
    if (height <= 0) height = columnNumber(row, bill, "Profile");
    return length > 0 && height > 0;
}

void drawRectangle(BitmapImage& image, int left, int top, int right, int bottom, COLORREF line,
                   std::optional<COLORREF> fill) {
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            const bool edge = x == left || x == right || y == top || y == bottom;
            if (edge)
                image.setPixel(x, y, line);
            else if (fill)
                image.setPixel(x, y, *fill);
        }
    }
}

// The outline scaled to fit the picture less a margin, centred, at least 1 pixel high.
BitmapImage drawPart(int width, int height, double length, double partHeight, COLORREF line,
                     bool fill, bool frame) {
    BitmapImage image(width, height, false);
    image.fill(kWhite);
    if (frame) drawRectangle(image, 0, 0, width - 1, height - 1, kFrameColour, std::nullopt);
    const double room = std::max(width - 2 * kPartMargin, 1);
    const double roomHigh = std::max(height - 2 * kPartMargin, 1);
    const double scale = std::min(room / length, roomHigh / partHeight);
    const int w = std::max(1, static_cast<int>(length * scale));
    const int h = std::max(1, static_cast<int>(partHeight * scale));
    const int left = (width - w) / 2;
    const int top = (height - h) / 2;
    drawRectangle(image, left, top, left + w - 1, top + h - 1, line,
                  fill ? std::optional<COLORREF>(kFillColour) : std::nullopt);
    return image;
}

}  // namespace

bool initBMPDialog(int size) {
    if (size <= kWindowMargin) return false;
    state().windowSize = size;
    return true;
}

void closeBMPDialog() {
    state().windowSize = 0;
}

int bmpDialogSize() {
    return state().windowSize;
}

Ktx_String billPictureFolder() {
    return gSettings.settingsDir + "Bill Pictures\\";
}

bool createImage(const Ktx_StringArray& row, int view, int width, int height, bool fill, bool frame,
                 Ktx_Bill* bill, AcTransaction* transaction, Ktx_String& fileName) {
    fileName = Ktx_String();
    double length = 0;
    double partHeight = 0;
    if (state().windowSize == 0 || !bill || !transaction ||
        !partSize(row, *bill, length, partHeight))
        return false;
    const int pictureWidth =
        std::min(width > 0 ? width : kDefaultWidth, state().windowSize - kWindowMargin);
    const int pictureHeight = std::max(1, height > 0 ? height : pictureWidth / 3);
    const COLORREF line = view < 0 ? 0 : static_cast<COLORREF>(view);
    const BitmapImage image =
        drawPart(pictureWidth, pictureHeight, length, partHeight, line, fill, frame);
    const Ktx_String folder = billPictureFolder();
    if (!ObjectExportFolderExists(folder) && !ObjectExportCreateDirectory(folder)) return false;
    const Ktx_String name = folder + "part" + Ktx_String(++state().pictureCount) + ".bmp";
    if (!coreWriteFileAtomic(name, encodeBmp(image))) return false;
    fileName = name;
    return true;
}
