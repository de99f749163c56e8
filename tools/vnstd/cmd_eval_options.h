#pragma once
// The arguments of "vnstd eval": which standard, which macro (or a folder of macros), how the
// macro is mapped, the general variables, and what to print.
#include <string>
#include <utility>
#include <vector>

struct EvalOptions {
    std::string standard;   // the standard's name (or a path to a .vns file)
    std::string macroFile;  // one macro file
    std::string macrosDir;  // or every macro file of a folder
    std::string key;        // the mapping key, or
    std::string module;     // a module group
    std::vector<std::pair<std::string, std::string>> genVars;
    std::string lib;  // --lib given to the command itself
    bool write = false;
    bool force = false;   // --write even when the evaluation ran on missing inputs
    bool strict = false;  // fail when a variable could not be retrieved or set
    bool json = false;
    bool timings = false;
    bool messages = false;
    bool help = false;  // --help: print the usage, nothing else
    int jobs = 1;       // --jobs N: worker processes of a folder run
};

// Parses the arguments after "eval"; false with a message for a usage error. With --help
// (or -h) anywhere it succeeds with help set and checks nothing else.
bool parseEvalOptions(const std::vector<std::string>& args, EvalOptions& options,
                      std::string& error);

// The usage text of "vnstd eval" (several lines, ending in a line break).
extern const char* const kEvalUsage;
std::string evalUsage(const std::vector<std::string>& args);
