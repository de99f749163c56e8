#pragma once
// The arguments of "vnstd ui".
#include <string>
#include <vector>

struct UiOptions {
    int port = 0;
    bool noToken = false;
    std::string scenario;
    std::string shot;    // --shot SCENARIO
    std::string output;  // -o FILE.png
    std::string steps;   // --steps FILE
    bool help = false;
};

bool parseUiOptions(const std::vector<std::string>& args, UiOptions& options, std::string& error);

extern const char* const kUiUsage;
