// Reading the registry's text file (see registry_file.h).
#include <cctype>
#include <vector>

#include "registry.h"
#include "registry_file.h"
#include "text_lines.h"

namespace {

struct Reader {
    std::vector<std::string> lines;
    std::size_t next = 0;
    RegistryTree tree;
    RegistryKey* current = nullptr;  // null before the first section or after a removal
    std::string error;

    bool fail(const std::string& why) {
        error = "line " + std::to_string(next) + ": " + why;
        return false;
    }
};

std::string trimmed(const std::string& s) {
    std::size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
    return s.substr(b, e - b);
}

// Reads a quoted text at s[pos] (pos on the opening quote); pos ends after the closing quote.
bool readQuoted(const std::string& s, std::size_t& pos, std::string& out) {
    if (pos >= s.size() || s[pos] != '"') return false;
    for (++pos; pos < s.size(); ++pos) {
        char c = s[pos];
        if (c == '"') {
            ++pos;
            return true;
        }
        if (c == '\\' && pos + 1 < s.size() && (s[pos + 1] == '\\' || s[pos + 1] == '"'))
            c = s[++pos];
        out += c;
    }
    return false;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

bool readHexNumber(const std::string& s, unsigned long& out, std::size_t maxDigits) {
    if (s.empty() || s.size() > maxDigits) return false;
    out = 0;
    for (char c : s) {
        if (hexDigit(c) < 0) return false;
        out = out * 16 + static_cast<unsigned long>(hexDigit(c));
    }
    return true;
}

bool readHexBytes(const std::string& list, std::string& out) {
    std::size_t pos = 0;
    while (pos < list.size()) {
        const std::size_t comma = list.find(',', pos);
        const std::string item =
            trimmed(list.substr(pos, comma == std::string::npos ? comma : comma - pos));
        unsigned long byte = 0;
        if (item.size() != 2 || !readHexNumber(item, byte, 2)) return false;
        out += static_cast<char>(byte);
        if (comma == std::string::npos) break;
        pos = comma + 1;
        if (pos == list.size()) return false;  // trailing comma
    }
    return true;
}

// The value data after "=", continuation lines joined.
std::string dataWithContinuations(Reader& r, std::string data) {
    while (data.starts_with("hex") && !data.empty() && data.back() == '\\' &&
           r.next < r.lines.size()) {
        data.pop_back();
        data += trimmed(r.lines[r.next++]);
    }
    return data;
}

bool readData(const std::string& data, DWORD& type, std::string& bytes) {
    if (data.starts_with("\"")) {
        std::size_t pos = 0;
        type = REG_SZ;
        if (!readQuoted(data, pos, bytes) || !trimmed(data.substr(pos)).empty()) return false;
        bytes += '\0';
        return true;
    }
    unsigned long number = 0;
    if (data.starts_with("dword:")) {
        if (!readHexNumber(data.substr(6), number, 8)) return false;
        type = REG_DWORD;
        for (int i = 0; i < 4; ++i) bytes += static_cast<char>((number >> (8 * i)) & 0xFF);
        return true;
    }
    std::size_t colon = data.find(':');
    if (data.starts_with("hex:")) {
        type = REG_BINARY;
    } else if (data.starts_with("hex(") && colon != std::string::npos && data[colon - 1] == ')') {
        if (!readHexNumber(data.substr(4, colon - 5), number, 8)) return false;
        type = static_cast<DWORD>(number);
    } else {
        return false;
    }
    return readHexBytes(data.substr(colon + 1), bytes);
}

bool readValue(Reader& r, const std::string& line) {
    if (r.current == nullptr) return r.fail("value outside a key");
    std::string name;
    std::size_t pos = 0;
    if (line[0] == '@') {
        pos = 1;
    } else if (!readQuoted(line, pos, name)) {
        return r.fail("bad value name");
    }
    if (pos >= line.size() || line[pos] != '=') return r.fail("'=' expected");
    const std::string data = dataWithContinuations(r, trimmed(line.substr(pos + 1)));
    if (data == "-") {
        r.current->removeValue(name);
        return true;
    }
    DWORD type = 0;
    std::string bytes;
    if (!readData(data, type, bytes)) return r.fail("bad value data");
    r.current->setValue(name, type, std::move(bytes));
    return true;
}

bool readSection(Reader& r, const std::string& line) {
    if (line.back() != ']') return r.fail("']' expected");
    const bool removal = line.size() > 1 && line[1] == '-';
    const std::string path = line.substr(removal ? 2 : 1, line.size() - (removal ? 3 : 2));
    auto parts = registrySplitPath(path);
    if (!parts || parts->empty()) return r.fail("bad key path");
    if (parts->size() > kRegistryMaxDepth + 1) return r.fail("key nested too deep");
    std::shared_ptr<RegistryKey> root = r.tree.root((*parts)[0]);
    if (!root) return r.fail("unknown root key");
    RegistryKey* key = root.get();
    r.current = nullptr;
    for (std::size_t i = 1; i < parts->size(); ++i) {
        if (removal && i + 1 == parts->size()) {
            key->removeSubkey((*parts)[i]);
            return true;
        }
        key = removal ? key->findSubkey((*parts)[i]) : &key->subkey((*parts)[i]);
        if (key == nullptr) return true;  // removing what is not there
    }
    if (!removal) r.current = key;
    return removal ? r.fail("a root key cannot be removed") : true;
}

bool readHeader(Reader& r, bool& regedit4) {
    while (r.next < r.lines.size() && trimmed(r.lines[r.next]).empty()) ++r.next;
    const std::string header = r.next < r.lines.size() ? trimmed(r.lines[r.next++]) : "";
    regedit4 = header == "REGEDIT4";
    return regedit4 || header == "Windows Registry Editor Version 5.00" ||
           r.fail("not a registry file");
}

bool readLines(Reader& r, bool& regedit4) {
    if (!readHeader(r, regedit4)) return false;
    while (r.next < r.lines.size()) {
        const std::string line = trimmed(r.lines[r.next++]);
        if (line.empty() || line[0] == ';') continue;
        if (!(line[0] == '[' ? readSection(r, line) : readValue(r, line))) return false;
    }
    return true;
}

}  // namespace

std::optional<RegistryTree> registryImport(std::string_view bytes, std::string* error,
                                           RegistryFileForm* form) {
    RegistryFileForm read;
    const std::optional<std::string> text = registryDecode(bytes, read.encoding, error);
    if (!text) return std::nullopt;
    Reader r;
    for (std::string_view line : textLines(*text)) r.lines.emplace_back(line);
    if (!readLines(r, read.regedit4)) {
        if (error != nullptr) *error = r.error;
        return std::nullopt;
    }
    if (form != nullptr) *form = read;
    return std::move(r.tree);
}
