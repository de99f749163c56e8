// RegistryTree: the registry's keys and values in memory, below the three root keys.
//
// Key and value names compare without regard to ASCII letter case and keep the case they were
// created with. Subkeys are listed in name order (case ignored); values in the order they were
// first set, the default (unnamed) value included. A removed key is marked `deleted`, so a
// handle still holding it sees that it is gone.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "win_types.h"

struct RegistryValue {
    std::string name;  // "" is the key's default value
    DWORD type = 0;
    std::string data;  // the bytes as stored
};

struct RegistryKey {
    std::string name;
    bool deleted = false;
    std::map<std::string, std::shared_ptr<RegistryKey>> subkeys;  // by folded name
    std::vector<RegistryValue> values;

    RegistryKey* findSubkey(const std::string& name) const;
    // The subkey, created when missing.
    RegistryKey& subkey(const std::string& name);
    // Removes the subkey and marks it and everything below it deleted; false when missing.
    bool removeSubkey(const std::string& name);
    const RegistryValue* findValue(const std::string& name) const;
    void setValue(const std::string& name, DWORD type, std::string data);
    bool removeValue(const std::string& name);
};

// The roots, in the order they are written: HKEY_CLASSES_ROOT, HKEY_CURRENT_USER,
// HKEY_LOCAL_MACHINE.
struct RegistryTree {
    std::vector<std::pair<std::string, std::shared_ptr<RegistryKey>>> roots;

    RegistryTree();
    // The root by its full name ("HKEY_LOCAL_MACHINE") or short name ("HKLM"); nullptr if none.
    std::shared_ptr<RegistryKey> root(const std::string& name) const;
    RegistryTree clone() const;
};

// The deepest a key may nest below its root key (as on Windows). The limit keeps every walk
// of the tree (copy, removal, export) shallow, whatever a file asks for.
constexpr std::size_t kRegistryMaxDepth = 512;

// Splits a key path at backslashes; nullopt when a part is empty or longer than 255 bytes.
std::optional<std::vector<std::string>> registrySplitPath(const std::string& path);
std::string registryFold(const std::string& name);
