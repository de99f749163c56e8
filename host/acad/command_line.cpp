#include "command_line.h"

#include <cstdarg>

#include "diagnostic_text.h"

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

bool acadFormatV(const char* format, va_list args, std::string& out) {
    out.clear();
    va_list copy;
    va_copy(copy, args);
    const int needed = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (needed < 0) return false;
    out.resize(static_cast<size_t>(needed));
    std::vsnprintf(out.data(), out.size() + 1, format, args);
    return true;
}

int acutPrintf(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text;
    const bool ok = acadFormatV(format, args, text);
    va_end(args);
    if (!ok) return 0;
    sink().text += text;
    if (sink().echo) {
        // Text from files reaches the terminal: its control bytes are shown, not obeyed.
        const std::string shown = diagnosticEscape(text);
        std::fwrite(shown.data(), 1, shown.size(), sink().echo);
        std::fflush(sink().echo);
    }
    return static_cast<int>(text.size());
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
