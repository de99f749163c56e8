// Whole-file reads and atomic writes for the grid's files (paths of this machine), through
// the window system's whole_file.h.
#pragma once

#include <optional>
#include <string>

// The file's bytes; nullopt (with `error`, when given) when it cannot be read, is a folder or
// is larger than the read limit.
std::optional<std::string> gridReadFile(const std::string& path, std::string* error = nullptr);
// Replaces `path` with the bytes atomically (fileWriteAtomic): the old file stays whole when
// anything fails. False on failure, with `error` (when given) saying why.
bool gridWriteFileAtomically(const std::string& path, const std::string& bytes,
                             std::string* error = nullptr);
