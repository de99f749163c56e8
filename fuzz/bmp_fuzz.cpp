// Bitmap files: any bytes either decode to an image of the declared size or fail cleanly.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "bitmap_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::optional<BitmapImage> image = decodeBmp(bytes);
    if (image && (image->width() <= 0 || image->height() <= 0 ||
                  static_cast<long long>(image->width()) * image->height() > kBmpMaxPixels))
        std::abort();
    return 0;
}
