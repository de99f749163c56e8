#pragma once
// Finds the product library folder: the --lib option, else the environment variable
// VNSTD_LIB, else the shipped examples/library found from the program's location (the
// program's folder and every folder above it are tried, so it is found from a build folder
// inside the source tree), and last the examples/library of the source tree it was built
// from. Returns "" when none is found.
#include <string>

std::string locateLibrary(const std::string& option, const std::string& exePath);
// The running program's path (from /proc/self/exe), or "" when unknown.
std::string currentExePath();
