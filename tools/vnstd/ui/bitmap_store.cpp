#include "bitmap_store.h"

#include <cstdint>

namespace {

void putLe(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

const BitmapImage* imageOfHandle(const void* handle) {
    void* h = const_cast<void*>(handle);
    if (HBITMAP__* bitmap = gdiBitmap(static_cast<HBITMAP>(h))) return &bitmap->image;
    if (HICON__* icon = gdiIcon(static_cast<HICON>(h))) return &icon->image;
    return nullptr;
}

}  // namespace

std::string encodeBmp(const BitmapImage& image) {
    const std::uint32_t pixels = static_cast<std::uint32_t>(image.width()) * image.height();
    const std::uint32_t headers = 14 + 40;
    std::string out;
    out.reserve(headers + pixels * 4);
    out += "BM";
    putLe(out, headers + pixels * 4, 4);
    putLe(out, 0, 4);
    putLe(out, headers, 4);
    putLe(out, 40, 4);
    putLe(out, static_cast<std::uint32_t>(image.width()), 4);
    putLe(out, static_cast<std::uint32_t>(-image.height()), 4);  // top-down rows
    putLe(out, 1, 2);
    putLe(out, 32, 2);
    putLe(out, 0, 4);
    putLe(out, pixels * 4, 4);
    putLe(out, 2835, 4);
    putLe(out, 2835, 4);
    putLe(out, 0, 4);
    putLe(out, 0, 4);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            COLORREF c = image.pixel(x, y);
            out.push_back(static_cast<char>((c >> 16) & 0xFF));
            out.push_back(static_cast<char>((c >> 8) & 0xFF));
            out.push_back(static_cast<char>(c & 0xFF));
            out.push_back(static_cast<char>(0xFF));
        }
    }
    return out;
}

unsigned long BitmapStore::put(const void* handle) {
    const BitmapImage* image = imageOfHandle(handle);
    if (image == nullptr || image->empty()) return 0;
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
