#include "vn_standards_calc_names.h"

#include <algorithm>

VnStandardsCalcNames::VnStandardsCalcNames() : nodes_(1), rootEdges_(256, -1) {}

bool VnStandardsCalcNames::isWordChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

void VnStandardsCalcNames::quoteNonNumbers(std::function<bool(std::string_view)> isNumber) {
    isNumber_ = std::move(isNumber);
}

int VnStandardsCalcNames::child(int node, unsigned char c) const {
    if (node == 0) return rootEdges_[c];
    const auto& edges = nodes_[node].edges;
    for (const auto& e : edges) {
        if (e.first == c) return e.second;
        if (e.first > c) break;
    }
    return -1;
}

int VnStandardsCalcNames::addChild(int node, unsigned char c) {
    const int existing = child(node, c);
    if (existing >= 0) return existing;
    const int created = static_cast<int>(nodes_.size());
    nodes_.emplace_back();
    if (node == 0) {
        rootEdges_[c] = created;
    } else {
        auto& edges = nodes_[node].edges;
        auto at = std::lower_bound(edges.begin(), edges.end(), std::make_pair(c, 0));
        edges.insert(at, {c, created});
    }
    return created;
}

void VnStandardsCalcNames::add(std::string_view name, std::string_view replacement) {
    if (name.empty()) return;
    int node = 0;
    for (char c : name) node = addChild(node, static_cast<unsigned char>(c));
    if (nodes_[node].name >= 0) return;
    nodes_[node].name = static_cast<int>(replacements_.size());
    if (isNumber_ && !isNumber_(replacement)) {
        replacements_.push_back("\"" + std::string(replacement) + "\"");
    } else {
        replacements_.emplace_back(replacement);
    }
    ++names_;
}

bool VnStandardsCalcNames::matchAt(std::string_view text, size_t pos, int& name,
                                   size_t& length) const {
    name = -1;
    int node = 0;
    for (size_t i = pos; i < text.size(); ++i) {
        node = child(node, static_cast<unsigned char>(text[i]));
        if (node < 0) break;
        const int found = nodes_[node].name;
        const bool endsWord = i + 1 == text.size() || !isWordChar(text[i + 1]);
        if (found >= 0 && endsWord && (name < 0 || found < name)) {
            name = found;
            length = i + 1 - pos;
        }
    }
    return name >= 0;
}

bool VnStandardsCalcNames::apply(std::string_view text, std::string& out) const {
    out.clear();
    out.reserve(text.size() + 16);
    bool replaced = false;
    size_t pos = 0;
    while (pos < text.size()) {
        const char c = text[pos];
        if (c == '"') {
            const size_t close = text.find('"', pos + 1);
            const size_t end = close == std::string_view::npos ? text.size() : close + 1;
            out.append(text.substr(pos, end - pos));
            pos = end;
            continue;
        }
        int name = -1;
        size_t length = 0;
        const bool atWordStart = pos == 0 || !isWordChar(text[pos - 1]);
        if (atWordStart && matchAt(text, pos, name, length)) {
            out.append(replacements_[name]);
            pos += length;
            replaced = true;
            continue;
        }
        out.push_back(c);
        ++pos;
    }
    return replaced;
}
