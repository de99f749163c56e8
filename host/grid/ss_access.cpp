#include "ss_access.h"

#include <algorithm>
#include <cstring>

int ssCopyOut(const std::string& text, char* buffer) {
    if (buffer != nullptr) {
        std::memcpy(buffer, text.data(), text.size());
        buffer[text.size()] = '\0';
    }
    return static_cast<int>(text.size());
}
