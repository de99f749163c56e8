#pragma once
// BitmapStore: the pictures the page shows (button and static images, painted bitmaps and
// icons, grid pictures), kept as BMP files by a number the page asks for. The module thread
// puts a picture in while it builds a state; server threads read it. Thread-safe.
#include <map>
#include <mutex>
#include <optional>
#include <string>

#include "bitmap_file.h"
#include "win_access.h"

class BitmapStore {
  public:
    // The number of the bitmap or icon handle's picture, stored now; 0 when it is neither.
    unsigned long put(const void* handle);
    std::optional<std::string> get(unsigned long number);
    // Forgets everything not put since the last call (pictures of windows now gone).
    void sweep();

  private:
    std::mutex mutex_;
    std::map<unsigned long, std::string> files_;
    std::map<unsigned long, bool> fresh_;
};
