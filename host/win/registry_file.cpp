#include "registry_file.h"

#include <cstdio>

#include "registry.h"

namespace {

constexpr const char* kHeader = "Windows Registry Editor Version 5.00";
constexpr const char* kOldHeader = "REGEDIT4";
constexpr int kBytesPerLine = 25;

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out + "\"";
}

bool quotable(const RegistryValue& v) {
    if (v.type != REG_SZ || v.data.empty() || v.data.back() != '\0') return false;
    for (std::size_t i = 0; i + 1 < v.data.size(); ++i)
        if (static_cast<unsigned char>(v.data[i]) < 0x20) return false;
    return true;
}

std::string hexList(const RegistryValue& v) {
    char buffer[16];
    std::string out = "hex";
    if (v.type != REG_BINARY) {
        std::snprintf(buffer, sizeof buffer, "(%x)", static_cast<unsigned>(v.type));
        out += buffer;
    }
    out += ':';
    for (std::size_t i = 0; i < v.data.size(); ++i) {
        if (i > 0) out += (i % kBytesPerLine == 0) ? ",\\\r\n  " : ",";
        std::snprintf(buffer, sizeof buffer, "%02x", static_cast<unsigned char>(v.data[i]));
        out += buffer;
    }
    return out;
}

std::string valueLine(const RegistryValue& v) {
    std::string line = v.name.empty() ? "@=" : quoted(v.name) + "=";
    if (quotable(v)) return line + quoted(v.data.substr(0, v.data.size() - 1));
    if (v.type == REG_DWORD && v.data.size() == 4) {
        unsigned n = 0;
        for (int i = 3; i >= 0; --i) n = (n << 8) | static_cast<unsigned char>(v.data[i]);
        char buffer[24];
        std::snprintf(buffer, sizeof buffer, "dword:%08x", n);
        return line + buffer;
    }
    return line + hexList(v);
}

void exportKey(const RegistryKey& key, const std::string& path, bool isRoot, std::string& out) {
    if (!isRoot || !key.values.empty()) {
        out += "[" + path + "]\r\n";
        for (const RegistryValue& v : key.values)
            if (v.name.empty()) out += valueLine(v) + "\r\n";
        for (const RegistryValue& v : key.values)
            if (!v.name.empty()) out += valueLine(v) + "\r\n";
        out += "\r\n";
    }
    for (const auto& [folded, child] : key.subkeys)
        exportKey(*child, path + "\\" + child->name, false, out);
}

}  // namespace

std::string registryExport(const RegistryTree& tree, const RegistryFileForm& form) {
    std::string out = std::string(form.regedit4 ? kOldHeader : kHeader) + "\r\n\r\n";
    for (const auto& [name, root] : tree.roots) exportKey(*root, name, true, out);
    return registryEncode(out, form.encoding);
}
