// The registry: keys below HKEY_CLASSES_ROOT, HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE with
// default and named values, kept in memory and saved to and loaded from a text file in the
// registry editor's export format (registry_file.h).
//
// Every Reg... call returns ERROR_SUCCESS or an error code (registry_errors.h) and also leaves
// that code as the last error (GetLastError). On failure output arguments are unchanged,
// except that a query for a too-small buffer reports the size it needs.
// A handle stays valid until RegCloseKey; once its key is deleted, calls on it give
// ERROR_KEY_DELETED. Rights asked for when a key is opened are checked by later calls
// (querying needs KEY_QUERY_VALUE, setting KEY_SET_VALUE, creating below it
// KEY_CREATE_SUB_KEY, listing KEY_ENUMERATE_SUB_KEYS).
//
// Tests: registryResetForTests() empties the registry, closes every handle and removes injected
// failures; the window system's winResetForTests() is expected to call it.
#pragma once

#include <string>

#include "registry_errors.h"
#include "win_types.h"

using REGSAM = DWORD;
using PHKEY = HKEY*;
using LPDWORD = DWORD*;
using LPBYTE = BYTE*;
struct SECURITY_ATTRIBUTES;
using LPSECURITY_ATTRIBUTES = SECURITY_ATTRIBUTES*;

inline const HKEY HKEY_CLASSES_ROOT = reinterpret_cast<HKEY>(std::uintptr_t{0x80000000});
inline const HKEY HKEY_CURRENT_USER = reinterpret_cast<HKEY>(std::uintptr_t{0x80000001});
inline const HKEY HKEY_LOCAL_MACHINE = reinterpret_cast<HKEY>(std::uintptr_t{0x80000002});

constexpr REGSAM DELETE = 0x00010000;
constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
constexpr REGSAM KEY_SET_VALUE = 0x0002;
constexpr REGSAM KEY_CREATE_SUB_KEY = 0x0004;
constexpr REGSAM KEY_ENUMERATE_SUB_KEYS = 0x0008;
constexpr REGSAM KEY_NOTIFY = 0x0010;
constexpr REGSAM KEY_CREATE_LINK = 0x0020;
constexpr REGSAM KEY_READ = 0x00020019;
constexpr REGSAM KEY_WRITE = 0x00020006;
constexpr REGSAM KEY_EXECUTE = KEY_READ;
constexpr REGSAM KEY_ALL_ACCESS = 0x000F003F;

constexpr DWORD REG_NONE = 0;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_EXPAND_SZ = 2;
constexpr DWORD REG_BINARY = 3;
constexpr DWORD REG_DWORD = 4;
constexpr DWORD REG_MULTI_SZ = 7;
constexpr DWORD REG_QWORD = 11;

constexpr DWORD REG_OPTION_NON_VOLATILE = 0;
constexpr DWORD REG_CREATED_NEW_KEY = 1;
constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

constexpr LONG ERROR_BAD_PATHNAME = 161;

// Opens `subKey` below `key`, creating the missing keys of the path. `disposition` (may be
// null) tells whether the last key was created. An empty or null subKey opens `key` again.
LONG RegCreateKeyEx(HKEY key, LPCSTR subKey, DWORD reserved, LPSTR keyClass, DWORD options,
                    REGSAM rights, LPSECURITY_ATTRIBUTES security, PHKEY result,
                    LPDWORD disposition);
LONG RegCreateKey(HKEY key, LPCSTR subKey, PHKEY result);
// ERROR_FILE_NOT_FOUND when a key of the path is missing.
LONG RegOpenKeyEx(HKEY key, LPCSTR subKey, DWORD options, REGSAM rights, PHKEY result);
LONG RegOpenKey(HKEY key, LPCSTR subKey, PHKEY result);
LONG RegCloseKey(HKEY key);
// Stores `size` bytes of `data` as the value (null or "" name: the default value).
LONG RegSetValueEx(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data, DWORD size);
// With null `data` only the type and size are reported. ERROR_MORE_DATA when *size is too
// small (*size then holds the size needed); ERROR_FILE_NOT_FOUND for a missing value.
LONG RegQueryValueEx(HKEY key, LPCSTR name, LPDWORD reserved, LPDWORD type, LPBYTE data,
                     LPDWORD size);
LONG RegDeleteValue(HKEY key, LPCSTR name);
// Deletes a key that has no subkeys (ERROR_ACCESS_DENIED when it has some).
LONG RegDeleteKey(HKEY key, LPCSTR subKey);
// The name of subkey number `index` (name order); ERROR_NO_MORE_ITEMS past the end.
LONG RegEnumKeyEx(HKEY key, DWORD index, LPSTR name, LPDWORD nameSize, LPDWORD reserved,
                  LPSTR keyClass, LPDWORD classSize, void* lastWriteTime);
// Deletes a key with everything below it.
DWORD SHDeleteKeyA(HKEY key, LPCSTR subKey);
inline DWORD SHDeleteKey(HKEY key, LPCSTR subKey) {
    return SHDeleteKeyA(key, subKey);
}
inline LONG RegCreateKeyExA(HKEY key, LPCSTR subKey, DWORD reserved, LPSTR keyClass, DWORD options,
                            REGSAM rights, LPSECURITY_ATTRIBUTES security, PHKEY result,
                            LPDWORD disposition) {
    return RegCreateKeyEx(key, subKey, reserved, keyClass, options, rights, security, result,
                          disposition);
}
inline LONG RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD options, REGSAM rights, PHKEY result) {
    return RegOpenKeyEx(key, subKey, options, rights, result);
}
inline LONG RegSetValueExA(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data,
                           DWORD size) {
    return RegSetValueEx(key, name, reserved, type, data, size);
}
inline LONG RegQueryValueExA(HKEY key, LPCSTR name, LPDWORD reserved, LPDWORD type, LPBYTE data,
                             LPDWORD size) {
    return RegQueryValueEx(key, name, reserved, type, data, size);
}

// Loads the registry from a file in the export format, replacing what is in memory. False
// (memory unchanged; `error`, when given, says why and on which line) when the file is missing
// or not in the format. The file's form (encoding, header) is kept for saving.
bool registryLoadFile(const std::string& path, std::string* error = nullptr);
// Writes the whole registry to `path` in the form it was loaded in, replacing the file at once
// (fileWriteAtomic). False (with `error`, when given) when it cannot be written; the old file
// is then untouched.
bool registrySaveFile(const std::string& path, std::string* error = nullptr);

// The whole registry as registrySaveFile would write it (the file's bytes).
std::string registryText();

// Test support. After registryDenyAccess, opening or creating the key `path` below `root`, or
// any key below it, asking for any of `rights`, and deleting it or a key above it, fail with
// ERROR_ACCESS_DENIED.
void registryDenyAccess(HKEY root, const std::string& path, REGSAM rights = KEY_ALL_ACCESS);
int registryOpenHandleCount();
void registryResetForTests();
