#include "text_file.h"

#include "core_reset.h"
#include "path_translation.h"
#include "text_lines.h"
#include "whole_file.h"

namespace {

struct WriteFaultResetRegistrar {
    WriteFaultResetRegistrar() {
        coreAddResetHook([] { fileInjectWriteFault(FileWriteFault::None); });
    }
} writeFaultResetRegistrar;

}  // namespace

bool coreReadFileBytes(const Ktx_String& path, std::string& bytes, std::string* error) {
    return fileReadWhole(hostPath(path), bytes, error);
}

bool coreWriteFileAtomic(const Ktx_String& path, std::string_view bytes, std::string* error) {
    return fileWriteAtomic(hostPath(path), bytes, error);
}

void coreInjectWriteFailure(long failAfterBytes) {
    if (failAfterBytes < 0)
        fileInjectWriteFault(FileWriteFault::None);
    else
        fileInjectWriteFault(FileWriteFault::DiskFull, static_cast<std::size_t>(failAfterBytes));
}

bool ObjectExportReadFile(const Ktx_String& path, Ktx_StringArray& lines) {
    std::string bytes;
    if (!coreReadFileBytes(path, bytes)) return false;
    lines.removeAll();
    for (std::string_view line : textLines(textWithoutUtf8Mark(bytes)))
        lines.append(Ktx_String(std::string(line)));
    return true;
}

bool ObjectExportWriteFile(const Ktx_String& path, const Ktx_StringArray& lines) {
    std::string bytes;
    for (const auto& line : lines) {
        bytes += line.str();
        bytes += "\r\n";
    }
    return coreWriteFileAtomic(path, bytes);
}
