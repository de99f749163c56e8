// Optional texts by index, their bytes side by side in one buffer, each followed by a NUL so
// that it goes to the grid's calls as it is. A list of thousands of texts read in order walks
// its memory in order, instead of visiting one allocation per text.
//
// A text read from the list stays valid until the next set or push_back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class VnTextList {
  public:
    // n texts, all absent.
    void resize(std::size_t n) { spans_.assign(n, Span{}); }
    void push_back(std::optional<std::string_view> text) {
        spans_.emplace_back();
        if (text) set(spans_.size() - 1, *text);
    }
    // A text set again leaves its old bytes unused.
    void set(std::size_t i, std::string_view text) {
        spans_[i] = {static_cast<std::uint32_t>(bytes_.size()),
                     static_cast<std::uint32_t>(text.size())};
        bytes_.append(text);
        bytes_.push_back('\0');
    }
    std::size_t size() const { return spans_.size(); }
    bool has(std::size_t i) const { return spans_[i].offset != kAbsent; }
    // The text, "" when absent; data() ends with a NUL.
    std::string_view operator[](std::size_t i) const {
        const Span& s = spans_[i];
        return s.offset == kAbsent ? std::string_view("")
                                   : std::string_view(bytes_).substr(s.offset, s.length);
    }

  private:
    static constexpr std::uint32_t kAbsent = UINT32_MAX;
    struct Span {
        std::uint32_t offset = kAbsent;
        std::uint32_t length = 0;
    };
    std::vector<Span> spans_;
    std::string bytes_;
};
