// Macro file text: reading never fails unsafely, and a macro that was read is written in a
// form that reads back and writes again to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "macro_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Ktx_Macro macro;
    MacroData macroData;
    std::string error;
    if (!parseMacroText(text, macro, macroData, error)) {
        if (error.rfind("line ", 0) != 0) std::abort();
        return 0;
    }
    std::string written;
    if (!formatMacroText(macro, macroData, written)) return 0;
    Ktx_Macro again;
    MacroData againData;
    if (!parseMacroText(written, again, againData, error)) std::abort();
    std::string rewritten;
    if (!formatMacroText(again, againData, rewritten) || rewritten != written) std::abort();
    return 0;
}
