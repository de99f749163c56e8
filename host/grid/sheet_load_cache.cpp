#include "sheet_load_cache.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>

#include "grid_file_io.h"
#include "sheet_file.h"

namespace {

// The same relative path names another file once the working folder changes.
std::string keyOf(const std::string& path) {
    // An absolute path is its own key (what absolute() gives back for it, without taking
    // the path apart into its parts first).
    if (!path.empty() && path.front() == '/') return path;
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.string();
}

}  // namespace

SheetLoadCache& SheetLoadCache::shared() {
    static SheetLoadCache cache;
    return cache;
}

std::unique_ptr<SheetModel> SheetLoadCache::load(const std::string& path, std::string& error,
                                                 const TakeOld& takeOld) {
    const auto copyOf = [&takeOld](const SheetModel& kept) {
        std::unique_ptr<SheetModel> old = takeOld ? takeOld() : nullptr;
        if (old && old->assign(kept)) return old;
        old.reset();
        return kept.clone();
    };
    const std::string key = keyOf(path);
    HostFileStamp stamp;
    HostPathKind kind = HostPathKind::Missing;
    const bool isFile = hostFileStampOf(path, stamp, &kind) && kind == HostPathKind::File;
    if (!isFile) {
        forget(key);
    } else if (std::shared_ptr<const SheetModel> kept = find(key, stamp)) {
        return copyOf(*kept);
    }
    // Settled is judged against the stamp taken before the read: a change after it gives
    // the file a new time, so the next stamp differs.
    const bool keepable =
        isFile && stamp.size <= kMaxKeptBytes && hostTimeSettled(stamp.modifiedNs);
    const std::optional<std::string> text = gridReadFile(path);
    if (!text) {
        error = "cannot read the file";
        return nullptr;
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        ++parses_;
    }
    std::unique_ptr<SheetModel> sheet = SheetFile::read(*text, error);
    if (!sheet) return nullptr;
    if (!keepable || text->size() != stamp.size) {
        if (takeOld) takeOld();  // freed here
        return sheet;
    }
    // The kept sheet stays as parsed; every load, the first included, gets its own copy.
    std::shared_ptr<const SheetModel> pristine = std::move(sheet);
    keep(key, stamp, pristine);
    return copyOf(*pristine);
}

std::size_t SheetLoadCache::parseCount() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return parses_;
}

void SheetLoadCache::clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    entries_.clear();
}

// The kept sheet of `key` when its stamp is `stamp`; a kept sheet with another stamp is stale
// and dropped.
std::shared_ptr<const SheetModel> SheetLoadCache::find(const std::string& key,
                                                       const HostFileStamp& stamp) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = std::find_if(entries_.begin(), entries_.end(),
                           [&](const Entry& e) { return e.key == key; });
    if (it == entries_.end()) return nullptr;
    if (!(it->stamp == stamp)) {
        entries_.erase(it);
        return nullptr;
    }
    it->lastUse = ++clock_;
    return it->sheet;
}

void SheetLoadCache::keep(const std::string& key, const HostFileStamp& stamp,
                          std::shared_ptr<const SheetModel> sheet) {
    std::lock_guard<std::mutex> lock(mutex_);
    std::erase_if(entries_, [&](const Entry& e) { return e.key == key; });
    if (entries_.size() >= kMaxKept) {
        entries_.erase(
            std::min_element(entries_.begin(), entries_.end(),
                             [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; }));
    }
    entries_.push_back({key, stamp, std::move(sheet), ++clock_});
}

void SheetLoadCache::forget(const std::string& key) {
    std::lock_guard<std::mutex> lock(mutex_);
    std::erase_if(entries_, [&](const Entry& e) { return e.key == key; });
}
