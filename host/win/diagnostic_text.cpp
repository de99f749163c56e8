#include "diagnostic_text.h"

#include <cstdio>

namespace {

bool isControl(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

void appendEscaped(std::string& out, unsigned char c) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\x%02X", c);
    out += buffer;
}

}  // namespace

std::string diagnosticWord(std::string_view word) {
    const bool cut = word.size() > kDiagnosticWordLimit;
    if (cut) word = word.substr(0, kDiagnosticWordLimit);
    std::string out;
    for (char c : word) {
        if (isControl(static_cast<unsigned char>(c)))
            appendEscaped(out, static_cast<unsigned char>(c));
        else
            out += c;
    }
    return cut ? out + "..." : out;
}

std::string diagnosticEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (isControl(byte) && c != '\n' && c != '\t')
            appendEscaped(out, byte);
        else
            out += c;
    }
    return out;
}
