// The registry's process-wide state (internal): the tree, open handles and injected denials.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "registry.h"
#include "registry_file_encoding.h"
#include "registry_tree.h"

struct RegistryHandle {
    std::shared_ptr<RegistryKey> key;
    std::string root;               // name of the root key
    std::vector<std::string> path;  // folded names below the root
    REGSAM rights = KEY_ALL_ACCESS;
};

struct RegistryDenial {
    std::string root;
    std::vector<std::string> path;  // folded
    REGSAM rights = 0;
};

struct RegistryState {
    RegistryTree tree;
    RegistryFileForm form;  // how the loaded file was written; saving keeps it
    std::map<std::uintptr_t, RegistryHandle> handles;
    std::uintptr_t nextHandle = 0x1000;
    std::vector<RegistryDenial> denials;
};

RegistryState& registryState();
