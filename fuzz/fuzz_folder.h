// A scratch folder of one fuzz process, made once and removed at exit: the fixed files a
// target reads (a small library, tables) are written there, and so are the inputs a target
// must read from a file.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

inline const std::filesystem::path& fuzzFolder() {
    static const std::filesystem::path folder = [] {
        const auto path =
            std::filesystem::temp_directory_path() / ("vn_fuzz_" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        std::atexit([] { std::filesystem::remove_all(fuzzFolder()); });
        return path;
    }();
    return folder;
}

inline void fuzzWriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}
