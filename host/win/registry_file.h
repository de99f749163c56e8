// The registry's text file, in the registry editor's export format: the header line
// "Windows Registry Editor Version 5.00", then one section per key, "[HKEY_...\path]", with
// its values below it: `@` or "name" (quotes and backslashes escaped with a backslash), "=",
// and "text" for a string ending in one zero byte (and holding no control bytes),
// dword:0000002a for a 4-byte number, hex:.. for binary, hex(N):.. for any other type N or
// string bytes that cannot be quoted. Bytes are written as they are stored (code page 1252
// text stays single bytes); lines end in CRLF, and LF is read as well. docs/registry-file.md
// describes the format for people.
//
// Reading also accepts comment lines (";"), "[-key]" (remove a key), "name"=- (remove a
// value) and hex lists continued on the next line after a trailing backslash.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "registry_tree.h"

std::string registryExport(const RegistryTree& tree);
// nullopt when the text is not in the format; `error` then says why, with the line number.
std::optional<RegistryTree> registryImport(std::string_view text, std::string* error = nullptr);
