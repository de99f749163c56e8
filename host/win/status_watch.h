#pragma once
// Keeps the status of files and folders read once for as long as the kernel reports no change
// that could alter it, so that a run of evaluations reads each path's status once instead of
// once per evaluation, and still sees every change at once.
//
// A path is kept from its second read (its first is a plain status call: a process that reads
// each file once does not pay for watches), and only when it can be watched whole: an absolute path
// without "." or ".." parts, no symbolic link along it, every folder on it on a local file system
// (whose changes the kernel reports however they are made, unlike a network share). Before the
// status is read the watch is put on every folder from the root down (for the next part's name
// being made, removed or renamed, and for the folder itself being moved or removed), and on the
// path itself (for its content, size, times or, for a folder, its entries changing). A change that
// comes between putting the watch and reading the status is therefore reported, not lost.
//
// `catchUp` reads what the kernel reported since the last call without waiting (one system
// call, none queued the usual case); any report about a watched name, a lost report (queue
// overflow) or a vanished watch forgets everything kept, and the next reads start afresh.
// What cannot be watched (see above, or when the kernel refuses more watches) is read anew on
// every call. Writes through a shared memory mapping are not reported by the kernel; files
// read here are written with ordinary writes (editors, our own atomic writer).
#include <cstdint>
#include <string>
#include <string_view>

#include "file_stamp.h"

struct HostStatus {
    bool exists = false;
    HostPathKind kind = HostPathKind::Missing;
    HostFileStamp stamp;
    bool kept = false;  // from (or now put among) the kept statuses
};

// One status call for `path` (followed through symbolic links).
HostStatus readHostStatus(const std::string& path);

// Forgets what the kernel reported a change of. Cheap when nothing changed.
void hostStatusWatchCatchUp();

// The status of `path`: kept from an earlier read while nothing on its path changed, else read
// now (and kept when the path can be watched). Relative paths are taken from the working folder.
HostStatus hostWatchedStatus(const std::string& path);

// True when the status of `path` is kept (read and watched, nothing reported since).
bool hostStatusIsKept(const std::string& path);

// How often everything kept was forgotten (a change reported, reports lost, too many kept, a
// fork). A result drawn from kept statuses alone stays true while this count stays the same.
std::uint64_t hostStatusForgetCount();

// Status calls made since the process started (for tests and benchmarks).
std::uint64_t hostStatusCallCount();
