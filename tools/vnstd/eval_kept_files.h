#pragma once
// What "vnstd eval" reads from the same library file for every macro of a folder (the
// standard's declared names, the mapping file's keys), kept while the file's stamp (size and
// modification time, taken before the read) stays the same and the file had settled when it
// was read (vn_kept_by_stamp.h). Every macro still sees a changed file at once; the check
// costs one status call instead of a read, and inside an EvalFileFactsScope that call is the
// one the evaluation makes for the same file anyway.
#include <memory>

#include "file_stamp.h"
#include "ktx_string.h"
#include "vn_kept_by_stamp.h"
#include "vn_ss_functions_host.h"

template <typename Value, typename Read>
std::shared_ptr<const Value> keptFromFile(VnKeptByStamp<Value>& kept, const Ktx_String& path,
                                          Read read) {
    const std::string host = vnHostPath(path);
    HostFileStamp stamp;
    if (!vnFileStampOf(path, stamp)) return std::make_shared<const Value>(read());
    if (auto value = kept.find(host, stamp)) return value;
    return kept.keep(host, stamp, read());
}

// The checks "vnstd eval" makes before an evaluation and the evaluation itself ask the file
// system once per library file: while a scope lives, the answers (what a path names, its
// stamp) are kept as they are during one evaluation (vn_ss_functions_host.h), and forgotten
// at its end, so the next macro asks anew.
class EvalFileFactsScope {
  public:
    EvalFileFactsScope() { vnBeginLibraryFileFacts(); }
    ~EvalFileFactsScope() { vnEndLibraryFileFacts(); }
    EvalFileFactsScope(const EvalFileFactsScope&) = delete;
    EvalFileFactsScope& operator=(const EvalFileFactsScope&) = delete;
};
