#include "file_stamp.h"

#include <sys/stat.h>

#include <chrono>
#include <unordered_map>

namespace {

constexpr std::int64_t kSettleNs = 2000000000;

std::int64_t nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

struct Status {
    bool exists = false;
    HostPathKind kind = HostPathKind::Missing;
    HostFileStamp stamp;
};

struct StatusScope {
    int depth = 0;
    std::unordered_map<std::string, Status> read;
};

StatusScope& statusScope() {
    static StatusScope scope;
    return scope;
}

Status readStatus(const std::string& hostPath) {
    Status status;
    struct stat st;
    if (::stat(hostPath.c_str(), &st) != 0) return status;
    status.exists = true;
    status.kind = S_ISDIR(st.st_mode)   ? HostPathKind::Folder
                  : S_ISREG(st.st_mode) ? HostPathKind::File
                                        : HostPathKind::Other;
    status.stamp.size = static_cast<std::uintmax_t>(st.st_size);
    status.stamp.modifiedNs =
        static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return status;
}

const Status& statusOf(const std::string& hostPath, Status& scratch) {
    StatusScope& scope = statusScope();
    if (scope.depth == 0) return scratch = readStatus(hostPath);
    auto it = scope.read.find(hostPath);
    if (it == scope.read.end()) it = scope.read.emplace(hostPath, readStatus(hostPath)).first;
    return it->second;
}

}  // namespace

void beginHostStatusScope() {
    ++statusScope().depth;
}

bool hostStatusScopeOpen() {
    return statusScope().depth > 0;
}

void endHostStatusScope() {
    StatusScope& scope = statusScope();
    if (scope.depth > 0 && --scope.depth == 0) scope.read.clear();
}

bool hostFileStampOf(const std::string& hostPath, HostFileStamp& stamp, HostPathKind* kind) {
    Status scratch;
    const Status& status = statusOf(hostPath, scratch);
    if (kind != nullptr) *kind = status.kind;
    if (status.exists) stamp = status.stamp;
    return status.exists;
}

bool hostTimeSettled(std::int64_t modifiedNs) {
    return nowNs() - modifiedNs > kSettleNs;
}
