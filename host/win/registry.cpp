#include "registry.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "registry_state.h"

namespace {

LONG finish(LONG code) {
    SetLastError(static_cast<DWORD>(code));
    return code;
}

std::optional<RegistryHandle> resolve(HKEY key) {
    const auto id = reinterpret_cast<std::uintptr_t>(key);
    RegistryState& s = registryState();
    const HKEY roots[] = {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE};
    for (std::size_t i = 0; i < 3; ++i) {
        if (key == roots[i]) {
            const auto& [name, rootKey] = s.tree.roots[i];
            return RegistryHandle{rootKey, name, {}, KEY_ALL_ACCESS};
        }
    }
    auto it = s.handles.find(id);
    if (it == s.handles.end()) return std::nullopt;
    return it->second;
}

bool isPrefix(const std::vector<std::string>& prefix, const std::vector<std::string>& path) {
    return prefix.size() <= path.size() && std::equal(prefix.begin(), prefix.end(), path.begin());
}

bool denied(const std::string& root, const std::vector<std::string>& path, REGSAM rights) {
    for (const RegistryDenial& d : registryState().denials)
        if (d.root == root && isPrefix(d.path, path) && (d.rights & rights) != 0) return true;
    return false;
}

bool deletionDenied(const std::string& root, const std::vector<std::string>& path) {
    for (const RegistryDenial& d : registryState().denials)
        if (d.root == root && (d.rights & DELETE) != 0 &&
            (isPrefix(d.path, path) || isPrefix(path, d.path)))
            return true;
    return false;
}

// Checks a handle and the subkey path below it; `parts` receives the split path.
LONG prepare(HKEY key, LPCSTR subKey, std::optional<RegistryHandle>& base,
             std::vector<std::string>& parts) {
    base = resolve(key);
    if (!base) return ERROR_INVALID_HANDLE;
    if (base->key->deleted) return ERROR_KEY_DELETED;
    auto split = registrySplitPath(subKey == nullptr ? "" : subKey);
    if (!split) return ERROR_BAD_PATHNAME;
    parts = std::move(*split);
    return ERROR_SUCCESS;
}

HKEY issue(RegistryHandle handle) {
    RegistryState& s = registryState();
    const std::uintptr_t id = s.nextHandle;
    s.nextHandle += 4;
    s.handles[id] = std::move(handle);
    return reinterpret_cast<HKEY>(id);
}

std::string valueName(LPCSTR name) {
    return name == nullptr ? std::string() : name;
}

LONG openOrCreate(HKEY key, LPCSTR subKey, REGSAM rights, bool create, PHKEY result,
                  LPDWORD disposition) {
    if (result == nullptr) return ERROR_INVALID_PARAMETER;
    std::optional<RegistryHandle> base;
    std::vector<std::string> parts;
    if (LONG code = prepare(key, subKey, base, parts); code != ERROR_SUCCESS) return code;
    RegistryHandle opened{base->key, base->root, base->path, rights};
    bool createdLast = false;
    for (const std::string& part : parts) opened.path.push_back(registryFold(part));
    if (opened.path.size() > kRegistryMaxDepth) return ERROR_BAD_PATHNAME;
    if (denied(opened.root, opened.path, rights)) return ERROR_ACCESS_DENIED;
    if (create && !parts.empty() && (base->rights & KEY_CREATE_SUB_KEY) == 0)
        return ERROR_ACCESS_DENIED;
    for (const std::string& part : parts) {
        RegistryKey* next = opened.key->findSubkey(part);
        if (next == nullptr && !create) return ERROR_FILE_NOT_FOUND;
        createdLast = next == nullptr;
        opened.key->subkey(part);
        opened.key = opened.key->subkeys[registryFold(part)];
    }
    *result = issue(std::move(opened));
    if (disposition != nullptr)
        *disposition = createdLast ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    return ERROR_SUCCESS;
}

// The handle of `key` with the right `needed`, or an error code in `code`.
std::optional<RegistryHandle> usable(HKEY key, REGSAM needed, LONG& code) {
    std::optional<RegistryHandle> h = resolve(key);
    code = !h                          ? ERROR_INVALID_HANDLE
           : h->key->deleted           ? ERROR_KEY_DELETED
           : (h->rights & needed) == 0 ? ERROR_ACCESS_DENIED
                                       : ERROR_SUCCESS;
    return code == ERROR_SUCCESS ? h : std::nullopt;
}

// Deletes subKey below key; `tree` allows a key that has subkeys.
LONG deleteKey(HKEY key, LPCSTR subKey, bool tree) {
    std::optional<RegistryHandle> base;
    std::vector<std::string> parts;
    if (LONG code = prepare(key, subKey, base, parts); code != ERROR_SUCCESS) return code;
    if (parts.empty()) return ERROR_BAD_PATHNAME;
    std::vector<std::string> path = base->path;
    RegistryKey* parent = base->key.get();
    for (std::size_t i = 0; i < parts.size(); ++i) {
        path.push_back(registryFold(parts[i]));
        if (i + 1 < parts.size() && (parent = parent->findSubkey(parts[i])) == nullptr)
            return ERROR_FILE_NOT_FOUND;
    }
    RegistryKey* target = parent->findSubkey(parts.back());
    if (target == nullptr) return ERROR_FILE_NOT_FOUND;
    if (deletionDenied(base->root, path)) return ERROR_ACCESS_DENIED;
    if (!tree && !target->subkeys.empty()) return ERROR_ACCESS_DENIED;
    parent->removeSubkey(parts.back());
    return ERROR_SUCCESS;
}

}  // namespace

RegistryState& registryState() {
    static auto* state = new RegistryState;  // lives for the whole run
    return *state;
}

LONG RegCreateKeyEx(HKEY key, LPCSTR subKey, DWORD /*reserved*/, LPSTR /*keyClass*/,
                    DWORD /*options*/, REGSAM rights, LPSECURITY_ATTRIBUTES /*security*/,
                    PHKEY result, LPDWORD disposition) {
    return finish(openOrCreate(key, subKey, rights, true, result, disposition));
}

LONG RegCreateKey(HKEY key, LPCSTR subKey, PHKEY result) {
    return finish(openOrCreate(key, subKey, KEY_ALL_ACCESS, true, result, nullptr));
}

LONG RegOpenKeyEx(HKEY key, LPCSTR subKey, DWORD /*options*/, REGSAM rights, PHKEY result) {
    return finish(openOrCreate(key, subKey, rights, false, result, nullptr));
}

LONG RegOpenKey(HKEY key, LPCSTR subKey, PHKEY result) {
    return finish(openOrCreate(key, subKey, KEY_ALL_ACCESS, false, result, nullptr));
}

LONG RegCloseKey(HKEY key) {
    if (registryState().handles.erase(reinterpret_cast<std::uintptr_t>(key)) == 1)
        return finish(ERROR_SUCCESS);
    return finish(resolve(key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE);  // roots close quietly
}

LONG RegSetValueEx(HKEY key, LPCSTR name, DWORD /*reserved*/, DWORD type, const BYTE* data,
                   DWORD size) {
    LONG code = ERROR_SUCCESS;
    std::optional<RegistryHandle> h = usable(key, KEY_SET_VALUE, code);
    if (!h) return finish(code);
    if (data == nullptr && size != 0) return finish(ERROR_INVALID_PARAMETER);
    std::string bytes =
        size == 0 ? std::string() : std::string(reinterpret_cast<const char*>(data), size);
    h->key->setValue(valueName(name), type, std::move(bytes));
    return finish(ERROR_SUCCESS);
}

LONG RegQueryValueEx(HKEY key, LPCSTR name, LPDWORD /*reserved*/, LPDWORD type, LPBYTE data,
                     LPDWORD size) {
    LONG code = ERROR_SUCCESS;
    std::optional<RegistryHandle> h = usable(key, KEY_QUERY_VALUE, code);
    if (!h) return finish(code);
    if (data != nullptr && size == nullptr) return finish(ERROR_INVALID_PARAMETER);
    const RegistryValue* value = h->key->findValue(valueName(name));
    if (value == nullptr) return finish(ERROR_FILE_NOT_FOUND);
    const auto needed = static_cast<DWORD>(value->data.size());
    if (data != nullptr && *size < needed) {
        *size = needed;
        return finish(ERROR_MORE_DATA);
    }
    if (data != nullptr && needed > 0) std::memcpy(data, value->data.data(), needed);
    if (type != nullptr) *type = value->type;
    if (size != nullptr) *size = needed;
    return finish(ERROR_SUCCESS);
}

LONG RegDeleteValue(HKEY key, LPCSTR name) {
    LONG code = ERROR_SUCCESS;
    std::optional<RegistryHandle> h = usable(key, KEY_SET_VALUE, code);
    if (!h) return finish(code);
    return finish(h->key->removeValue(valueName(name)) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND);
}

LONG RegDeleteKey(HKEY key, LPCSTR subKey) {
    return finish(deleteKey(key, subKey, false));
}

DWORD SHDeleteKeyA(HKEY key, LPCSTR subKey) {
    return static_cast<DWORD>(finish(deleteKey(key, subKey, true)));
}

LONG RegEnumKeyEx(HKEY key, DWORD index, LPSTR name, LPDWORD nameSize, LPDWORD /*reserved*/,
                  LPSTR /*keyClass*/, LPDWORD /*classSize*/, void* /*lastWriteTime*/) {
    LONG code = ERROR_SUCCESS;
    std::optional<RegistryHandle> h = usable(key, KEY_ENUMERATE_SUB_KEYS, code);
    if (!h) return finish(code);
    if (name == nullptr || nameSize == nullptr) return finish(ERROR_INVALID_PARAMETER);
    if (index >= h->key->subkeys.size()) return finish(ERROR_NO_MORE_ITEMS);
    const std::string& found = std::next(h->key->subkeys.begin(), index)->second->name;
    if (*nameSize <= found.size()) return finish(ERROR_MORE_DATA);
    std::memcpy(name, found.c_str(), found.size() + 1);
    *nameSize = static_cast<DWORD>(found.size());
    return finish(ERROR_SUCCESS);
}

void registryDenyAccess(HKEY root, const std::string& path, REGSAM rights) {
    std::optional<RegistryHandle> base = resolve(root);
    auto parts = registrySplitPath(path);
    if (!base || !parts) return;
    RegistryDenial d{base->root, base->path, rights};
    for (const std::string& part : *parts) d.path.push_back(registryFold(part));
    registryState().denials.push_back(std::move(d));
}

int registryOpenHandleCount() {
    return static_cast<int>(registryState().handles.size());
}

void registryResetForTests() {
    registryState() = RegistryState{};
}
