#pragma once
// What "vnstd eval" reads from the same library file for every macro of a folder (the
// standard's declared names, the mapping file's keys), kept while the file's stamp (size and
// modification time, taken before the read) stays the same and the file had settled when it
// was read (vn_kept_by_stamp.h). Every macro still sees a changed file at once; the check
// costs one status call instead of a read.
#include "file_stamp.h"
#include "ktx_string.h"
#include "path_translation.h"
#include "vn_kept_by_stamp.h"

template <typename Value, typename Read>
Value keptFromFile(VnKeptByStamp<Value>& kept, const Ktx_String& path, Read read) {
    const std::string host = hostPath(path, nullptr);
    HostFileStamp stamp;
    const bool stamped = hostFileStampOf(host, stamp);
    if (stamped) {
        if (auto value = kept.find(host, stamp)) return *value;
    }
    Value value = read();
    if (stamped) kept.keep(host, stamp, value);
    return value;
}
