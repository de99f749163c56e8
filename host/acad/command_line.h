#pragma once
// The CAD host's command line. acutPrintf formats like printf and appends the text to a sink
// that tests read and clear; a tool may also echo every text to a stream (e.g. stderr).
#include <cstdio>
#include <string>

// printf-style output to the command line; returns the number of bytes written.
int acutPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Everything printed since start or since the last clear.
const std::string& acadCommandLineText();
void acadClearCommandLine();

// When a stream is set, every printed text is also written to it (nullptr: record only).
void acadSetCommandLineEcho(std::FILE* stream);
