#include "bitmap_store.h"

#include <cstdint>

namespace {

const BitmapImage* imageOfHandle(const void* handle) {
    void* h = const_cast<void*>(handle);
    if (HBITMAP__* bitmap = gdiBitmap(static_cast<HBITMAP>(h))) return &bitmap->image;
    if (HICON__* icon = gdiIcon(static_cast<HICON>(h))) return &icon->image;
    return nullptr;
}

}  // namespace

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
