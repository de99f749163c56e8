#pragma once
// Shared pieces of the section library tests: a library and an application folder of their
// own (with "prof\\", "User Sections\\" and "icons\\"), and small tables.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "core_reset.h"
#include "ktx_prof_values_table.h"
#include "ktx_settings.h"
#include "path_translation.h"
#include "string_helpers.h"

class SectionsLibraryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        root_ = std::filesystem::temp_directory_path() /
                ("vn_sections_" + std::to_string(::getpid()) + "_" + info->name());
        std::filesystem::remove_all(root_);
        for (const char* dir : {"lib/prof", "lib/User Sections", "lib/Texts", "app/icons"}) {
            std::filesystem::create_directories(root_ / dir);
        }
        gSettings.setLibDir(windowsPathFromHost((root_ / "lib").string()));
        gSettings.setAppDir(windowsPathFromHost((root_ / "app").string()));
    }
    void TearDown() override { std::filesystem::remove_all(root_); }

    std::filesystem::path lib() const { return root_ / "lib"; }
    std::filesystem::path icons() const { return root_ / "app" / "icons"; }
    void writeText(const std::filesystem::path& path, const std::string& text) {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << text;
    }
    std::string readText(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    // A table file of the given lines (cells separated by tabs).
    void writeTable(const std::string& name, std::initializer_list<std::string> lines) {
        std::string text;
        for (const std::string& line : lines) text += line + "\r\n";
        writeText(lib() / "prof" / (name + ".pr"), text);
    }

  private:
    std::filesystem::path root_;
};

// A table with a header of four languages and the given rows (cells separated by ",").
inline Ktx_ProfValuesTable makeTable(const char* name, std::initializer_list<const char*> rows,
                                     const char* values = "h,b,t") {
    Ktx_ProfValuesTable table;
    table.name = name;
    table.shapeRef = "10";
    table.header = {"SysName", "I/O", "English", "Dutch", "German", "French"};
    for (const Ktx_String& v : splitStringAtSymbol(values, ",", true)) table.header.append(v);
    for (const char* row : rows) table.rows.append(splitStringAtSymbol(row, ",", true));
    return table;
}
