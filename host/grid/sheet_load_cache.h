// Sheet files as the grid loads them (SSLoadFromFile), with the parsed sheets kept in memory
// so that loading an unchanged file again costs a copy instead of a read and a parse.
//
// Promises:
// - load() gives a new sheet that the caller owns alone, equal in everything observable to
//   one parsed from the file's current text (values, formulas, formats, spans, sizes, tags,
//   notes, calculation order); nothing done to it ever reaches a later load.
// - A file that cannot be read gives nullptr and "cannot read the file"; a text that does not
//   parse gives nullptr and the parser's message. Neither is kept.
// - A parsed sheet is kept, keyed by the file's absolute path, with the file's stamp (size and
//   modification time) taken before it was read, and only when that time was settled then
//   (file_stamp.h): a rewrite within the same clock tick could keep both size and time. It is
//   reused while a new stamp of the path is equal; any other stamp, or a path that is no
//   longer a file, reads the file anew (and forgets what was kept for it).
// - Memory: at most kMaxKept (32) files are kept, the least recently loaded dropped first;
//   a file larger than kMaxKeptBytes (1 MiB of text) is never kept.
// - Safe to use from several threads (one lock around the list; copies are made outside it).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "file_stamp.h"
#include "sheet_model.h"

class SheetLoadCache {
  public:
    static constexpr std::size_t kMaxKept = 32;
    static constexpr std::uintmax_t kMaxKeptBytes = 1u << 20;

    // The one the grid's windows share.
    static SheetLoadCache& shared();

    // The sheet a grid gives up for the one it loads (nullptr: none).
    using TakeOld = std::function<std::unique_ptr<SheetModel>()>;
    // A new sheet from the file at `path`, or nullptr with `error` set. `takeOld`, when given,
    // is called once the load can no longer fail and before the new sheet is made: the copy of
    // a kept sheet is then made in the old sheet's storage (mostly a sheet of the same file,
    // so its blocks, texts and tables have the very sizes needed), else the old one is freed
    // first.
    std::unique_ptr<SheetModel> load(const std::string& path, std::string& error,
                                     const TakeOld& takeOld = {});
    // How many loads read and parsed the file's text (for tests: a reused sheet parses none).
    std::size_t parseCount() const;
    // Forgets every kept sheet.
    void clear();

  private:
    struct Entry {
        std::string key;
        HostFileStamp stamp;
        std::shared_ptr<const SheetModel> sheet;
        std::uint64_t lastUse = 0;
    };
    std::shared_ptr<const SheetModel> find(const std::string& key, const HostFileStamp& stamp);
    void keep(const std::string& key, const HostFileStamp& stamp,
              std::shared_ptr<const SheetModel> sheet);
    void forget(const std::string& key);

    mutable std::mutex mutex_;
    std::vector<Entry> entries_;
    std::uint64_t clock_ = 0;
    std::size_t parses_ = 0;
};
