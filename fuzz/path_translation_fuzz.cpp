// The translation of the module's Windows paths: any path text, looked up in a small fixed
// tree of folders whose names differ in letter case (and on a mapped drive), gives a path of
// this machine without backslashes, literally translated or looked up.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz_folder.h"
#include "path_translation.h"

namespace {

void makeTree() {
    const auto drives = fuzzFolder() / "drives";
    fuzzWriteFile(drives / "c" / "Lib" / "Connection Standards" / "EndPlate.vns", "x");
    fuzzWriteFile(drives / "c" / "lib" / "connection standards" / "endplate.VNS", "y");
    fuzzWriteFile(drives / "c" / "Caf\xE9" / "\xC9t\xE9.txt", "z");
    fuzzWriteFile(drives / "d" / "a b" / "c.map", "m");
    setDriveRoot(drives.string());
    mapDrive('x', (drives / "c" / "Lib").string());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool ready = [] {
        makeTree();
        return true;
    }();
    (void)ready;
    const Ktx_String path(std::string(reinterpret_cast<const char*>(data), size));
    HostPathKind kind{};
    const std::string host = hostPath(path, &kind);
    const std::string literal = hostPathLiteral(path);
    if (host.find('\\') != std::string::npos || literal.find('\\') != std::string::npos)
        std::abort();
    (void)windowsPathFromHost(host);
    return 0;
}
