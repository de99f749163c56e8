#include "bitmap_store.h"

#include <cstdint>

namespace {

// The picture of a bitmap or icon handle; an icon's transparent pixels (white in its mask)
// take the button face, as the icon shows on a button or dialog.
std::optional<BitmapImage> imageOfHandle(const void* handle) {
    void* h = const_cast<void*>(handle);
    if (HBITMAP__* bitmap = gdiBitmap(static_cast<HBITMAP>(h))) return bitmap->image;
    HICON__* icon = gdiIcon(static_cast<HICON>(h));
    if (icon == nullptr) return std::nullopt;
    BitmapImage image = icon->image;
    if (icon->mask.width() == image.width() && icon->mask.height() == image.height()) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (icon->mask.pixel(x, y) != 0) image.setPixel(x, y, GetSysColor(COLOR_BTNFACE));
    }
    return image;
}

}  // namespace

unsigned long BitmapStore::put(const void* handle) {
    const std::optional<BitmapImage> image = imageOfHandle(handle);
    if (!image || image->empty()) return 0;
    const auto number = static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(handle));
    std::string file = encodeBmp(*image);
    std::lock_guard<std::mutex> lock(mutex_);
    files_[number] = std::move(file);
    fresh_[number] = true;
    return number;
}

std::optional<std::string> BitmapStore::get(unsigned long number) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = files_.find(number);
    if (it == files_.end()) return std::nullopt;
    return it->second;
}

void BitmapStore::sweep() {
    std::lock_guard<std::mutex> lock(mutex_);
    for (auto it = files_.begin(); it != files_.end();) {
        if (!fresh_[it->first]) {
            fresh_.erase(it->first);
            it = files_.erase(it);
        } else {
            fresh_[it->first] = false;
            ++it;
        }
    }
}
