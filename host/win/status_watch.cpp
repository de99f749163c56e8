#include "status_watch.h"

#include <fcntl.h>
#include <pthread.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace {

// A folder on the way to a kept path: a change of one of these names inside it matters.
constexpr std::uint32_t kFolderEvents =
    IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF;
// The kept path itself: anything that may change its size or times.
constexpr std::uint32_t kFileEvents = IN_MODIFY | IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF;
constexpr std::uint32_t kEntryEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO;
// More kept paths than this and everything is forgotten, to bound the watches a long run of
// look-ups of ever new names would gather.
constexpr std::size_t kMaxKept = 1024;

std::uint64_t gStatusCalls = 0;
std::uint64_t gForgetCount = 0;

HostStatus statusFrom(const struct stat& st) {
    HostStatus status;
    status.exists = true;
    status.kind = S_ISDIR(st.st_mode)   ? HostPathKind::Folder
                  : S_ISREG(st.st_mode) ? HostPathKind::File
                                        : HostPathKind::Other;
    status.stamp.size = static_cast<std::uintmax_t>(st.st_size);
    status.stamp.modifiedNs =
        static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return status;
}

// File systems whose every change the kernel reports, whichever machine makes it.
bool isLocalFileSystem(const char* folder) {
    struct statfs fs;
    if (::statfs(folder, &fs) != 0) return false;
    switch (static_cast<unsigned long>(fs.f_type)) {
        case 0xEF53:      // ext2, ext3, ext4
        case 0x58465342:  // xfs
        case 0x9123683E:  // btrfs
        case 0x01021994:  // tmpfs
        case 0x858458F6:  // ramfs
        case 0x794C7630:  // overlay
        case 0x2FC12FC1:  // zfs
        case 0xF2F52010:  // f2fs
            return true;
        default:
            return false;
    }
}

// What one watch stands for.
struct Watched {
    std::unordered_set<std::string> names;  // parts below this folder on kept paths
    bool wholeFolder = false;               // a kept folder: any entry change matters
};

class StatusWatch {
  public:
    static StatusWatch& instance() {
        static StatusWatch watch;
        return watch;
    }

    void catchUp() {
        if (fd_ < 0) return;
        alignas(inotify_event) char buffer[4096];
        for (;;) {
            const ssize_t n = ::read(fd_, buffer, sizeof buffer);
            if (n <= 0) return;  // EAGAIN: nothing more reported
            if (anyMatters(buffer, static_cast<std::size_t>(n))) {
                forgetAll();
                return;
            }
        }
    }

    HostStatus status(const std::string& path) {
        if (!path.empty() && path.front() == '/') {  // kept under its own name: no checks
            if (auto it = kept_.find(path); it != kept_.end()) return it->second;
        }
        std::string absolute;
        if (!absolutePath(path, absolute)) return readHostStatus(path);
        if (auto it = kept_.find(absolute); it != kept_.end()) return it->second;
        if (kept_.size() >= kMaxKept) forgetAll();
        // Watching costs more than one status call (a folder with many entries costs the
        // kernel a walk over them): a path is watched from its second read, so that a process
        // reading each file once does not pay for it.
        if (readOnce_.size() >= kMaxKept) readOnce_.clear();
        if (readOnce_.insert(absolute).second) return readHostStatus(path);
        if (!watchPath(absolute)) return readHostStatus(path);
        // The watches are in place: a change from here on is reported.
        struct stat st;
        ++gStatusCalls;
        HostStatus status;
        if (::lstat(absolute.c_str(), &st) == 0) {
            if (S_ISLNK(st.st_mode)) return readHostStatus(path);
            status = statusFrom(st);
            if (status.kind == HostPathKind::Folder) markWholeFolder(absolute);
        }
        status.kept = true;
        kept_.emplace(std::move(absolute), status);
        return status;
    }

    bool isKept(const std::string& path) const {
        std::string absolute;
        return absolutePath(path, absolute) && kept_.count(absolute) > 0;
    }

    void forgetAll() {
        ++gForgetCount;
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
        kept_.clear();
        readOnce_.clear();
        watches_.clear();
        folders_.clear();
    }

  private:
    // A forked worker gets a fresh watch of its own: sharing the parent's queue would let one
    // of them read, and so take from the other, a report the other needs.
    StatusWatch() {
        ::pthread_atfork(nullptr, nullptr, [] { instance().forgetAll(); });
    }

    // A process the kernel refuses a watch to (too many of them on the machine) reads every
    // status anew from then on.
    bool open() {
        if (fd_ < 0 && !refused_) fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        refused_ = fd_ < 0;
        return !refused_;
    }

    bool anyMatters(const char* buffer, std::size_t length) const {
        for (std::size_t at = 0; at + sizeof(inotify_event) <= length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            if (matters(*event)) return true;
            at += sizeof(inotify_event) + event->len;
        }
        return false;
    }

    bool matters(const inotify_event& event) const {
        if (event.mask & IN_Q_OVERFLOW) return true;  // reports were lost
        // A watch given up as unusable (see watchFolder) guards nothing kept.
        const auto it = watches_.find(event.wd);
        if (it == watches_.end()) return false;
        const Watched& watched = it->second;
        const std::string_view name = event.len > 0 ? std::string_view(event.name) : "";
        if (name.empty()) return true;  // the watched folder or file itself, or its watch gone
        if (watched.wholeFolder && (event.mask & kEntryEvents)) return true;
        return watched.names.count(std::string(name)) > 0;
    }

    // Watches every folder from the root down to the path's own folder, each for the next part,
    // then the path itself. False when some part cannot be watched.
    bool watchPath(const std::string& absolute) {
        if (!open()) return false;
        std::size_t end = 0;
        std::string folder = "/";
        while (end < absolute.size()) {
            const std::size_t start = end + 1;
            end = absolute.find('/', start);
            if (end == std::string::npos) end = absolute.size();
            const std::string_view part(absolute.data() + start, end - start);
            const int wd = watchFolder(folder);
            if (wd == kMissing) return true;  // a creation would be reported one level up
            if (wd < 0) return false;
            watches_[wd].names.emplace(part);
            folder.assign(absolute, 0, end);
        }
        const int wd =
            ::inotify_add_watch(fd_, absolute.c_str(), kFileEvents | IN_DONT_FOLLOW | IN_MASK_ADD);
        if (wd >= 0) {
            watches_.try_emplace(wd);  // every report about the path itself matters
            return true;
        }
        return errno == ENOENT;
    }

    static constexpr int kMissing = INT_MIN;

    int watchFolder(const std::string& folder) {
        if (auto it = folders_.find(folder); it != folders_.end()) return it->second;
        const int wd = ::inotify_add_watch(
            fd_, folder.c_str(), kFolderEvents | IN_ONLYDIR | IN_DONT_FOLLOW | IN_MASK_ADD);
        if (wd < 0) return errno == ENOENT ? kMissing : -1;
        if (!isLocalFileSystem(folder.c_str())) {
            if (watches_.count(wd) == 0) ::inotify_rm_watch(fd_, wd);
            folders_.emplace(folder, -1);  // not asked again until everything is forgotten
            return -1;
        }
        folders_.emplace(folder, wd);
        return wd;
    }

    void markWholeFolder(const std::string& absolute) {
        const int wd = watchFolder(absolute);
        if (wd >= 0) watches_[wd].wholeFolder = true;
    }

    // The absolute form of `path`, with its parts checked: false for "." or ".." parts
    // (other than a lone "."), which a watch of the parts' names cannot follow.
    static bool absolutePath(const std::string& path, std::string& absolute) {
        if (path.empty()) return false;
        if (path.front() == '/') {
            absolute = path;
        } else {
            char cwd[PATH_MAX];
            if (::getcwd(cwd, sizeof cwd) == nullptr) return false;
            absolute = cwd;
            if (path != ".") absolute += "/" + path;
        }
        while (absolute.size() > 1 && absolute.back() == '/') absolute.pop_back();
        if (absolute.find("//") != std::string::npos) return false;
        for (std::size_t at = 0; at != std::string::npos; at = absolute.find('/', at + 1)) {
            const std::string_view rest(absolute.data() + at + 1, absolute.size() - at - 1);
            const std::string_view part = rest.substr(0, rest.find('/'));
            if (part == "." || part == "..") return false;
        }
        return true;
    }

    int fd_ = -1;
    bool refused_ = false;
    std::unordered_map<std::string, HostStatus> kept_;
    std::unordered_set<std::string> readOnce_;
    std::unordered_map<int, Watched> watches_;
    std::unordered_map<std::string, int> folders_;
};

}  // namespace

HostStatus readHostStatus(const std::string& path) {
    ++gStatusCalls;
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) return {};
    return statusFrom(st);
}

void hostStatusWatchCatchUp() {
    StatusWatch::instance().catchUp();
}

HostStatus hostWatchedStatus(const std::string& path) {
    return StatusWatch::instance().status(path);
}

bool hostStatusIsKept(const std::string& path) {
    return StatusWatch::instance().isKept(path);
}

std::uint64_t hostStatusCallCount() {
    return gStatusCalls;
}

std::uint64_t hostStatusForgetCount() {
    return gForgetCount;
}
