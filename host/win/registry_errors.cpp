#include "registry_errors.h"

namespace {
DWORD gLastError = 0;
}

void SetLastError(DWORD code) {
    gLastError = code;
}
DWORD GetLastError() {
    return gLastError;
}
