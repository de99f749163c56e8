// Registry files: any bytes (plain, UTF-8 with a mark, UTF-16LE) either fail cleanly or read to
// a tree that writes, in the same form, and reads back to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "registry_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    RegistryFileForm form;
    std::optional<RegistryTree> tree = registryImport(text, nullptr, &form);
    if (!tree) return 0;
    // Written in the form it was read in (encoding, header), it reads back the same.
    const std::string written = registryExport(*tree, form);
    RegistryFileForm formAgain;
    std::optional<RegistryTree> again = registryImport(written, nullptr, &formAgain);
    if (!again || formAgain.encoding != form.encoding || formAgain.regedit4 != form.regedit4 ||
        registryExport(*again, formAgain) != written)
        std::abort();
    return 0;
}
