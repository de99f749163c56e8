// The byte encodings a registry file may come in, and turning them into the code page 1252
// text the reader works on (and back, so a file is written the way it was read).
//
// - plain bytes (code page 1252), the form this system writes by default;
// - the same with a UTF-8 byte-order mark before it (as some editors save), skipped when read
//   and written again;
// - UTF-16LE with its byte-order mark, as the registry editor of Windows exports: each
//   character is turned into its code page 1252 byte; a character that has none fails the
//   load with its line, since writing the file back would lose it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

enum class RegistryFileEncoding { Bytes, Utf8Bom, Utf16Le };

// How a registry file was read: its encoding and its header ("REGEDIT4" or "Windows Registry
// Editor Version 5.00"), so that it is written back the same way.
struct RegistryFileForm {
    RegistryFileEncoding encoding = RegistryFileEncoding::Bytes;
    bool regedit4 = false;
};

// The file's text as code page 1252 bytes, with `encoding` set from its byte-order mark;
// nullopt with `error` ("line 3: character U+4E2D has no code page 1252 byte") when it cannot
// be turned into such text.
std::optional<std::string> registryDecode(std::string_view raw, RegistryFileEncoding& encoding,
                                          std::string* error);
// The text in the given encoding (with its byte-order mark).
std::string registryEncode(std::string_view text, RegistryFileEncoding encoding);
