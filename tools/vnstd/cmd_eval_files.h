#pragma once
// The macro files of a folder run: every regular file of the folder whose name ends in
// ".macro" (a bare ".macro" is a hidden file, not a macro), in byte order of their paths.
// The names are held in one buffer with their offsets, about 15 bytes a file, so a folder of
// many thousand files costs little memory; each path is made when it is asked for.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class MacroFileList {
  public:
    MacroFileList() = default;
    // Lists the folder (an unreadable folder gives no files).
    explicit MacroFileList(const std::string& folder);

    std::size_t size() const { return starts_.size(); }
    bool empty() const { return starts_.empty(); }
    // The path of the i-th file: the folder joined with its name.
    std::string path(std::size_t i) const;

  private:
    std::string_view nameAt(std::uint32_t start) const;
    void add(std::string_view name);

    std::string prefix_;  // the folder and a separator
    std::string names_;   // the names, each followed by a NUL byte
    std::vector<std::uint32_t> starts_;
};
