#include "gdi_cursor.h"

#include "win_driver.h"

namespace {

HCURSOR gCurrent = nullptr;

bool standard(std::uintptr_t id) {
    return (id >= 32512 && id <= 32515) || (id >= 32642 && id <= 32646) || id == 32648 ||
           id == 32649;
}

}  // namespace

HCURSOR LoadCursor(HINSTANCE instance, LPCSTR id) {
    const auto number = reinterpret_cast<std::uintptr_t>(id);
    if (instance != nullptr || !standard(number)) return nullptr;
    return reinterpret_cast<HCURSOR>(number);
}

HCURSOR SetCursor(HCURSOR cursor) {
    HCURSOR previous = gCurrent;
    gCurrent = cursor;
    return previous;
}

HCURSOR GetCursor() {
    return gCurrent;
}

unsigned gdiCursorId(HCURSOR cursor) {
    return static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(cursor));
}

void gdiCursorResetForTests() {
    gCurrent = nullptr;
}
