// Whole-file reads and atomic writes for the grid's files (paths of this machine).
#pragma once

#include <optional>
#include <string>

// The file's bytes; nullopt when it cannot be read.
std::optional<std::string> gridReadFile(const std::string& path);
// Writes the bytes to a temporary file beside `path`, then renames it over `path`: the old
// file stays whole when anything fails. False on failure.
bool gridWriteFileAtomically(const std::string& path, const std::string& bytes);
