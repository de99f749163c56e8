#pragma once
// The CAD host's command line. acutPrintf formats like printf and appends the text to a sink
// that tests read and clear; a tool may also echo every text to a stream (e.g. stderr).
#include <cstdarg>
#include <cstdio>
#include <string>

// printf-style output to the command line; returns the number of bytes written.
int acutPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
// printf formatting of a va_list into a string (the list is left unended for the caller);
// false and an empty text on a format error.
bool acadFormatV(const char* format, va_list args, std::string& out);

// Everything printed since start or since the last clear.
const std::string& acadCommandLineText();
void acadClearCommandLine();

// When a stream is set, every printed text is also written to it (nullptr: record only).
void acadSetCommandLineEcho(std::FILE* stream);
