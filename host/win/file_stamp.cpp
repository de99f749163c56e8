#include "file_stamp.h"

#include <unistd.h>

#include <chrono>
#include <climits>
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

// Statuses served that were not kept, and the working folder seen at the last outermost scope.
struct LookUpFacts {
    std::uint64_t unkeptServed = 0;
    std::uint64_t workingFolderChanges = 0;
    std::string workingFolder;
};

LookUpFacts& lookUpFacts() {
    static LookUpFacts facts;
    return facts;
}

// Notes a working folder other than the last one seen (one system call).
void checkWorkingFolder() {
    LookUpFacts& facts = lookUpFacts();
    char cwd[PATH_MAX];
    const char* now = ::getcwd(cwd, sizeof cwd) != nullptr ? cwd : "";
    if (facts.workingFolder == now && *now != '\0') return;
    facts.workingFolder = now;
    ++facts.workingFolderChanges;
}

HostStatus served(const HostStatus& status) {
    if (!status.kept) ++lookUpFacts().unkeptServed;
    return status;
}

StatusScope& statusScope() {
    static StatusScope scope;
    return scope;
}

HostStatus statusOf(const std::string& hostPath) {
    StatusScope& scope = statusScope();
    if (scope.depth == 0) {
        hostStatusWatchCatchUp();
        return served(hostWatchedStatus(hostPath));
    }
    auto it = scope.read.find(hostPath);
    if (it == scope.read.end())
        it = scope.read.emplace(hostPath, hostWatchedStatus(hostPath)).first;
    return served(it->second);
}

}  // namespace

void beginHostStatusScope() {
    if (statusScope().depth++ > 0) return;
    hostStatusWatchCatchUp();
    checkWorkingFolder();
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

HostStatusEpoch hostStatusEpoch() {
    return {hostStatusForgetCount(), lookUpFacts().workingFolderChanges};
}

HostLookUpWitness::HostLookUpWitness()
    : epoch_(hostStatusEpoch()), unkept_(lookUpFacts().unkeptServed) {}

bool HostLookUpWitness::lasting() const {
    return lookUpFacts().unkeptServed == unkept_ && hostStatusEpoch() == epoch_;
}

void hostNoteUnkeptLookUp() {
    ++lookUpFacts().unkeptServed;
}
