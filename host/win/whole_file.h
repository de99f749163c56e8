// Whole-file reading and atomic replacement, used for every file the module and its program
// read whole or write (paths of this machine).
//
// fileWriteAtomic replaces a file so that a reader sees either the old bytes or all the new
// ones, never a part: the bytes go to a new temporary file beside the target (a name no one
// can predict, created exclusively, so a planted link cannot redirect the write), are synced
// to disk, and the temporary file is renamed over the target; then the folder is synced so the
// rename itself survives a crash. On any failure the temporary file is removed and the old
// file is left as it was.
// - An existing target keeps its permission bits (and, where allowed, its owner).
// - A target that may not be written (no write permission, or read-only) is refused.
// - A symbolic link is written through: the file it names is replaced, the link stays.
//
// fileReadWhole reads a regular file whole, up to a size limit; folders, unreadable and
// oversized files are refused with a message.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The largest file read whole (64 MiB): far beyond any standard, table or settings file, small
// enough that a stray huge file is refused instead of exhausting memory.
constexpr std::size_t kFileReadLimit = std::size_t{64} << 20;

// True with the file's bytes; false with `error` (when given) saying why, e.g.
// "/x/a.vns: is a folder", "/x/a.vns: larger than 64 MiB", "/x/a.vns: No such file or
// directory". `bytes` is unchanged on failure.
bool fileReadWhole(const std::string& path, std::string& bytes, std::string* error = nullptr,
                   std::size_t limit = kFileReadLimit);

// True when the file now holds exactly `bytes`; false with `error` (when given) saying why,
// the old file intact and no temporary file left.
bool fileWriteAtomic(const std::string& path, std::string_view bytes, std::string* error = nullptr);

// Faults a test can make the next atomic write meet (each fires once, then disarms).
enum class FileWriteFault {
    None,
    WriteFails,   // writing the temporary file fails (an I/O error) after `afterBytes`
    DiskFull,     // the disk is full after `afterBytes` bytes of the temporary file
    SyncFails,    // syncing the temporary file fails
    RenameFails,  // renaming the temporary file over the target fails
};
void fileInjectWriteFault(FileWriteFault fault, std::size_t afterBytes = 0);
