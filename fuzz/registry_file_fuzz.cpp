// Registry files: any text either fails cleanly or reads to a tree that writes and reads back
// to the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "registry_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::optional<RegistryTree> tree = registryImport(text);
    if (!tree) return 0;
    const std::string written = registryExport(*tree);
    std::optional<RegistryTree> again = registryImport(written);
    if (!again || registryExport(*again) != written) std::abort();
    return 0;
}
