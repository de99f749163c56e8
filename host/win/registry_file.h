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
// value) and hex lists continued on the next line after a trailing backslash; the older header
// "REGEDIT4" is read as well (and written again for such a file), and the file may come as
// UTF-16LE or with a UTF-8 byte-order mark (registry_file_encoding.h). Lone CR line ends are
// line ends too. Keys nest at most kRegistryMaxDepth deep below their root; a deeper section
// fails the load.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "registry_file_encoding.h"
#include "registry_tree.h"

// The file's bytes for the tree, in the given form (encoding and header).
std::string registryExport(const RegistryTree& tree, const RegistryFileForm& form = {});
// nullopt when the bytes are not in the format; `error` then says why, with the line number.
// `form`, when given, receives the form the file came in.
std::optional<RegistryTree> registryImport(std::string_view bytes, std::string* error = nullptr,
                                           RegistryFileForm* form = nullptr);
