#include "file_stamp.h"

#include <chrono>
#include <unordered_map>

#include "status_watch.h"

namespace {

constexpr std::int64_t kSettleNs = 2000000000;

std::int64_t nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

struct StatusScope {
    int depth = 0;
    std::unordered_map<std::string, HostStatus> read;
};

StatusScope& statusScope() {
    static StatusScope scope;
    return scope;
}

HostStatus statusOf(const std::string& hostPath) {
    StatusScope& scope = statusScope();
    if (scope.depth == 0) {
        hostStatusWatchCatchUp();
        return hostWatchedStatus(hostPath);
    }
    auto it = scope.read.find(hostPath);
    if (it == scope.read.end())
        it = scope.read.emplace(hostPath, hostWatchedStatus(hostPath)).first;
    return it->second;
}

}  // namespace

void beginHostStatusScope() {
    if (statusScope().depth++ == 0) hostStatusWatchCatchUp();
}

bool hostStatusScopeOpen() {
    return statusScope().depth > 0;
}

void endHostStatusScope() {
    StatusScope& scope = statusScope();
    if (scope.depth > 0 && --scope.depth == 0) scope.read.clear();
}

bool hostFileStampOf(const std::string& hostPath, HostFileStamp& stamp, HostPathKind* kind) {
    const HostStatus status = statusOf(hostPath);
    if (kind != nullptr) *kind = status.kind;
    if (status.exists) stamp = status.stamp;
    return status.exists;
}

bool hostTimeSettled(std::int64_t modifiedNs) {
    return nowNs() - modifiedNs > kSettleNs;
}
