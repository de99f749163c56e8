#include "whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <random>

namespace {

struct ArmedFault {
    FileWriteFault fault = FileWriteFault::None;
    std::size_t afterBytes = 0;
};

ArmedFault& armedFault() {
    static ArmedFault armed;
    return armed;
}

ArmedFault takeFault() {
    ArmedFault taken = armedFault();
    armedFault() = {};
    return taken;
}

bool failWith(std::string* error, const std::string& path, const std::string& why) {
    if (error != nullptr) *error = path + ": " + why;
    return false;
}

bool failWithErrno(std::string* error, const std::string& path, int code) {
    return failWith(error, path, std::strerror(code));
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a path names, symbolic links followed (a dangling link names its missing target).
bool followLinks(std::string path, std::string& resolved) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            resolved = path;
            return true;
        }
        std::string target(PATH_MAX, '\0');
        const ssize_t n = readlink(path.c_str(), target.data(), target.size());
        if (n <= 0) return false;
        target.resize(static_cast<std::size_t>(n));
        path = target.front() == '/' ? target : folderOf(path) + "/" + target;
    }
    errno = ELOOP;
    return false;
}

std::string randomSuffix() {
    static std::mt19937_64 generator{std::random_device{}()};
    static const char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string suffix;
    for (int i = 0; i < 16; ++i) suffix += kDigits[generator() % 36];
    return suffix;
}

// A new, exclusively created file beside the target; -1 with errno on failure.
int createTemporary(const std::string& target, std::string& temporary) {
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = folder + "." + name + "." + randomSuffix() + ".tmp";
        const int fd =
            open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Writes all bytes; honours an armed write fault. 0 or the errno of the failure.
int writeAll(int fd, std::string_view bytes, const ArmedFault& fault) {
    std::size_t limit = bytes.size();
    const bool faulty =
        fault.fault == FileWriteFault::WriteFails || fault.fault == FileWriteFault::DiskFull;
    if (faulty && fault.afterBytes < limit) limit = fault.afterBytes;
    std::size_t done = 0;
    while (done < limit) {
        const ssize_t n = write(fd, bytes.data() + done, limit - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return n < 0 ? errno : EIO;
        done += static_cast<std::size_t>(n);
    }
    if (faulty) return fault.fault == FileWriteFault::DiskFull ? ENOSPC : EIO;
    return 0;
}

// Makes the rename durable; a folder that cannot be synced is not an error of the write.
void syncFolder(const std::string& target) {
    const int fd = open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)fsync(fd);
    close(fd);
}

// The temporary file gets the target's mode and owner; a new file keeps the umask's mode.
void copyAttributes(int fd, const struct stat* existing) {
    if (existing == nullptr) return;
    // The owner first: changing it clears set-id bits, which the mode then restores.
    if (fchown(fd, existing->st_uid, existing->st_gid) != 0) {
        // Not the owner's to give away: the file becomes this user's, as any rewrite would.
    }
    (void)fchmod(fd, existing->st_mode & 07777);
}

// 0, or why the target cannot be replaced. `existing` is filled when the target exists.
int checkTarget(const std::string& target, struct stat& st, bool& exists, std::string& why) {
    exists = stat(target.c_str(), &st) == 0;
    if (!exists) return errno == ENOENT ? 0 : errno;
    if (!S_ISREG(st.st_mode)) {
        why = S_ISDIR(st.st_mode) ? "is a folder" : "is not a plain file";
        return EINVAL;
    }
    // Read-only files are refused even for a user whom permissions do not stop.
    if ((st.st_mode & 0222) == 0 || access(target.c_str(), W_OK) != 0) {
        why = "is read-only";
        return EACCES;
    }
    return 0;
}

bool writeTemporary(int fd, std::string_view bytes, const ArmedFault& fault, int& code) {
    code = writeAll(fd, bytes, fault);
    if (code == 0 && (fault.fault == FileWriteFault::SyncFails || fsync(fd) != 0))
        code = fault.fault == FileWriteFault::SyncFails ? EIO : errno;
    if (close(fd) != 0 && code == 0) code = errno;
    return code == 0;
}

}  // namespace

bool fileReadWhole(const std::string& path, std::string& bytes, std::string* error,
                   std::size_t limit) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return failWithErrno(error, path, errno);
    std::string content;
    char buffer[65536];
    for (;;) {
        // A folder opens for reading; its first read says what it is (no status call needed).
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int code = errno;
            close(fd);
            if (code == EISDIR) return failWith(error, path, "is a folder");
            return failWithErrno(error, path, code);
        }
        if (n == 0) break;
        if (content.size() + static_cast<std::size_t>(n) > limit) {
            close(fd);
            return failWith(error, path,
                            "larger than " + std::to_string(limit >> 20) + " MiB, not read");
        }
        content.append(buffer, static_cast<std::size_t>(n));
    }
    close(fd);
    bytes = std::move(content);
    return true;
}

bool fileWriteAtomic(const std::string& path, std::string_view bytes, std::string* error) {
    const ArmedFault fault = takeFault();
    if (path.empty()) return failWith(error, path, "no file name");
    std::string target;
    if (!followLinks(path, target)) return failWithErrno(error, path, errno);
    struct stat st {};
    bool exists = false;
    std::string why;
    if (const int code = checkTarget(target, st, exists, why); code != 0)
        return why.empty() ? failWithErrno(error, path, code) : failWith(error, path, why);
    std::string temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0) return failWithErrno(error, path, errno);
    copyAttributes(fd, exists ? &st : nullptr);
    int code = 0;
    if (writeTemporary(fd, bytes, fault, code) && fault.fault != FileWriteFault::RenameFails &&
        rename(temporary.c_str(), target.c_str()) == 0) {
        syncFolder(target);
        return true;
    }
    if (code == 0) code = fault.fault == FileWriteFault::RenameFails ? EXDEV : errno;
    unlink(temporary.c_str());
    return failWithErrno(error, path, code);
}

void fileInjectWriteFault(FileWriteFault fault, std::size_t afterBytes) {
    armedFault() = {fault, afterBytes};
}
