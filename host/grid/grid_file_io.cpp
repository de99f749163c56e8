#include "grid_file_io.h"

#include "whole_file.h"

std::optional<std::string> gridReadFile(const std::string& path, std::string* error) {
    std::string bytes;
    if (path.empty() || !fileReadWhole(path, bytes, error)) return std::nullopt;
    return bytes;
}

bool gridWriteFileAtomically(const std::string& path, const std::string& bytes,
                             std::string* error) {
    return fileWriteAtomic(path, bytes, error);
}
