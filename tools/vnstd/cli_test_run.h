#pragma once
// Runs one command of the program in-process on the shipped example library, for the command
// tests: what it printed on stdout and stderr, and its exit code.
#include <cstdio>
#include <string>
#include <vector>

#include "command_line.h"
#include "commands.h"
#include "ktx_settings.h"
#include "path_translation.h"

namespace vnstd_test {

struct Captured {
    int code = -1;
    std::string out, err;
};

// The whole of a temporary file written by a command; closes it.
inline std::string readAll(std::FILE* f) {
    std::string text;
    std::rewind(f);
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
    std::fclose(f);
    return text;
}

inline Captured run(int (*command)(const CliContext&, const std::vector<std::string>&),
                    std::vector<std::string> args) {
    CliContext context;
    context.out = std::tmpfile();
    context.err = std::tmpfile();
    context.libDir = std::string(VN_SOURCE_DIR) + "/examples/library";
    gSettings.setLibDir(windowsPathFromHost(context.libDir));
    Captured c;
    c.code = command(context, args);
    acadSetCommandLineEcho(nullptr);  // a command may leave the echo on context.err
    c.out = readAll(context.out);
    c.err = readAll(context.err);
    return c;
}

}  // namespace vnstd_test
