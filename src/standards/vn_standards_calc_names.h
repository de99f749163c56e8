#pragma once
// Whole-word replacement of variable names in a cell text, in one pass.
//
// A name matches at a position when the text there equals the name and neither the character
// before nor the character after it is a letter (A-Z, a-z), a digit or "_"; names may hold
// other characters such as "." and blanks. Walking the text once from the left, at each
// position the earliest-declared name that matches is replaced by its replacement, and the
// walk goes on after the replaced name: inserted text is never looked at again. Text between
// double quotes (a string literal) is copied unchanged.
//
// The names are kept in a byte trie, so the cost of apply() depends on the length of the text
// and of the names found in it, not on how many names there are. Letter case counts.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class VnStandardsCalcNames {
  public:
    VnStandardsCalcNames();

    // Declares a name (in declaration order) with its replacement. An empty name, or a name
    // declared before, is ignored (the earlier declaration stays in force).
    void add(std::string_view name, std::string_view replacement);

    // Wraps every replacement that `isNumber` does not accept in double quotes (general
    // variables with text values); set before add().
    void quoteNonNumbers(std::function<bool(std::string_view)> isNumber);

    bool empty() const { return names_ == 0; }

    // Replaces the names in `text`; true when anything was replaced (`out` then holds the new
    // text; otherwise `out` is a copy of `text`).
    bool apply(std::string_view text, std::string& out) const;

    // The whole-word boundary test: letters, digits and "_" make up words.
    static bool isWordChar(char c);

  private:
    struct Node {
        std::vector<std::pair<unsigned char, int>> edges;  // sorted by byte
        int name = -1;                                     // index into replacements_
    };
    int child(int node, unsigned char c) const;
    int addChild(int node, unsigned char c);
    // The replacement index and length of the earliest-declared name matching at pos.
    bool matchAt(std::string_view text, size_t pos, int& name, size_t& length) const;

    std::vector<Node> nodes_;
    std::vector<int> rootEdges_;  // 256 entries: the root's children by byte
    std::vector<std::string> replacements_;
    std::function<bool(std::string_view)> isNumber_;
    int names_ = 0;
};
