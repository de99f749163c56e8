#include "file_stamp.h"

#include <sys/stat.h>

#include <chrono>

namespace {

constexpr std::int64_t kSettleNs = 2000000000;

std::int64_t nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

}  // namespace

bool hostFileStampOf(const std::string& hostPath, HostFileStamp& stamp, HostPathKind* kind) {
    struct stat st;
    if (::stat(hostPath.c_str(), &st) != 0) {
        if (kind != nullptr) *kind = HostPathKind::Missing;
        return false;
    }
    if (kind != nullptr) {
        *kind = S_ISDIR(st.st_mode)   ? HostPathKind::Folder
                : S_ISREG(st.st_mode) ? HostPathKind::File
                                      : HostPathKind::Other;
    }
    stamp.size = static_cast<std::uintmax_t>(st.st_size);
    stamp.modifiedNs =
        static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return true;
}

bool hostTimeSettled(std::int64_t modifiedNs) {
    return nowNs() - modifiedNs > kSettleNs;
}
