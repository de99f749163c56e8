#include "module_bitmaps.h"

namespace {

bool& loaded() {
    static bool value = false;
    return value;
}

}  // namespace

bool loadModuleBitmaps() {
    loaded() = true;
    return true;
}

bool moduleBitmapsLoaded() {
    return loaded();
}

void resetModuleBitmapsForTests() {
    loaded() = false;
}
