#include "registry_tree.h"

#include <algorithm>

namespace {

void markDeleted(RegistryKey& key) {
    key.deleted = true;
    for (auto& [folded, child] : key.subkeys) markDeleted(*child);
}

template <typename Values>
auto findIn(Values& values, const std::string& name) {
    const std::string folded = registryFold(name);
    return std::find_if(values.begin(), values.end(),
                        [&](const RegistryValue& v) { return registryFold(v.name) == folded; });
}

std::shared_ptr<RegistryKey> deepCopy(const RegistryKey& key) {
    auto copy = std::make_shared<RegistryKey>();
    copy->name = key.name;
    copy->values = key.values;
    for (const auto& [folded, child] : key.subkeys) copy->subkeys[folded] = deepCopy(*child);
    return copy;
}

}  // namespace

std::string registryFold(const std::string& name) {
    std::string folded = name;
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

std::optional<std::vector<std::string>> registrySplitPath(const std::string& path) {
    std::vector<std::string> parts;
    if (path.empty()) return parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = path.find('\\', start);
        std::string part = path.substr(start, end == std::string::npos ? end : end - start);
        if (part.empty() || part.size() > 255) return std::nullopt;
        parts.push_back(std::move(part));
        if (end == std::string::npos) return parts;
        start = end + 1;
    }
}

RegistryKey* RegistryKey::findSubkey(const std::string& name) const {
    auto it = subkeys.find(registryFold(name));
    return it == subkeys.end() ? nullptr : it->second.get();
}

RegistryKey& RegistryKey::subkey(const std::string& name) {
    auto& slot = subkeys[registryFold(name)];
    if (!slot) {
        slot = std::make_shared<RegistryKey>();
        slot->name = name;
    }
    return *slot;
}

bool RegistryKey::removeSubkey(const std::string& name) {
    auto it = subkeys.find(registryFold(name));
    if (it == subkeys.end()) return false;
    markDeleted(*it->second);
    subkeys.erase(it);
    return true;
}

const RegistryValue* RegistryKey::findValue(const std::string& name) const {
    auto it = findIn(values, name);
    return it == values.end() ? nullptr : &*it;
}

void RegistryKey::setValue(const std::string& name, DWORD type, std::string data) {
    auto it = findIn(values, name);
    if (it != values.end()) {
        it->type = type;
        it->data = std::move(data);
        return;
    }
    values.push_back(RegistryValue{name, type, std::move(data)});
}

bool RegistryKey::removeValue(const std::string& name) {
    auto it = findIn(values, name);
    if (it == values.end()) return false;
    values.erase(it);
    return true;
}

RegistryTree::RegistryTree() {
    for (const char* name : {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE"}) {
        auto key = std::make_shared<RegistryKey>();
        key->name = name;
        roots.emplace_back(name, std::move(key));
    }
}

std::shared_ptr<RegistryKey> RegistryTree::root(const std::string& name) const {
    static const std::pair<const char*, const char*> shortNames[] = {
        {"HKCR", "HKEY_CLASSES_ROOT"},
        {"HKCU", "HKEY_CURRENT_USER"},
        {"HKLM", "HKEY_LOCAL_MACHINE"}};
    std::string full = name;
    for (const auto& [shortName, longName] : shortNames)
        if (registryFold(name) == registryFold(shortName)) full = longName;
    for (const auto& [rootName, key] : roots)
        if (registryFold(rootName) == registryFold(full)) return key;
    return nullptr;
}

RegistryTree RegistryTree::clone() const {
    RegistryTree copy;
    for (std::size_t i = 0; i < roots.size(); ++i)
        copy.roots[i].second = deepCopy(*roots[i].second);
    return copy;
}
