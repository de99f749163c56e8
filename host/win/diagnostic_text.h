// Making text from a file safe to show in a message: a crafted or damaged file must neither
// flood a message with a megabyte-long "word" nor send control sequences to a terminal.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The most bytes of an offending word a message quotes.
constexpr std::size_t kDiagnosticWordLimit = 40;

// The word as a message quotes it: control bytes (below 0x20, and 0x7F) written as \xNN, and
// cut after kDiagnosticWordLimit bytes with "..." added.
std::string diagnosticWord(std::string_view word);
// A whole message line with its control bytes written as \xNN; line breaks and tabs kept.
std::string diagnosticEscape(std::string_view text);
