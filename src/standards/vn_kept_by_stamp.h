#pragma once
// What the evaluation keeps of a library file between evaluations: one value per path. A
// kept value serves while the file's stamp (size and modification time) equals the stamp it
// was made from, and only when the file had already settled then (see file_stamp.h); so every
// evaluation behaves as if it read the file anew. At most kMaxEntries paths are kept; when
// full, everything kept is forgotten and kept anew as files are read again.
#include <memory>
#include <string>
#include <unordered_map>

#include "file_stamp.h"

template <typename Value>
class VnKeptByStamp {
  public:
    static constexpr std::size_t kMaxEntries = 256;

    // The value kept for the path when it was made from this stamp; nullptr otherwise.
    std::shared_ptr<const Value> find(const std::string& path, const HostFileStamp& stamp) const {
        auto it = entries_.find(path);
        if (it == entries_.end() || !it->second.settled || !(it->second.stamp == stamp))
            return nullptr;
        return it->second.value;
    }
    // Keeps the value made from the file of this stamp (replacing what the path held) and
    // returns it; a value of an unsettled file is returned but never served by find.
    std::shared_ptr<const Value> keep(const std::string& path, const HostFileStamp& stamp,
                                      Value value) {
        if (entries_.size() >= kMaxEntries && entries_.find(path) == entries_.end())
            entries_.clear();
        auto kept = std::make_shared<const Value>(std::move(value));
        entries_[path] = Entry{stamp, hostTimeSettled(stamp.modifiedNs), kept};
        return kept;
    }
    void clear() { entries_.clear(); }

  private:
    struct Entry {
        HostFileStamp stamp;
        bool settled = false;
        std::shared_ptr<const Value> value;
    };
    std::unordered_map<std::string, Entry> entries_;
};
