#include "command_line.h"

#include <cstdarg>
#include <vector>

namespace {

struct CommandLineSink {
    std::string text;
    std::FILE* echo = nullptr;
};

CommandLineSink& sink() {
    static CommandLineSink s;
    return s;
}

}  // namespace

int acutPrintf(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int needed = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (needed < 0) {
        va_end(args);
        return 0;
    }
    std::vector<char> buffer(static_cast<size_t>(needed) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    va_end(args);
    sink().text.append(buffer.data(), static_cast<size_t>(needed));
    if (sink().echo) {
        std::fwrite(buffer.data(), 1, static_cast<size_t>(needed), sink().echo);
        std::fflush(sink().echo);
    }
    return needed;
}

const std::string& acadCommandLineText() {
    return sink().text;
}

void acadClearCommandLine() {
    sink().text.clear();
}

void acadSetCommandLineEcho(std::FILE* stream) {
    sink().echo = stream;
}
