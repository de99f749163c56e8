#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "cli_test_run.h"
#include "commands.h"
#include "ktx_settings.h"
#include "path_translation.h"

namespace {

using vnstd_test::Captured;
using vnstd_test::run;

// The cells of a printed line (separated by two or more blanks) with their start columns.
std::vector<std::pair<size_t, std::string>> cellsOf(const std::string& line) {
    std::vector<std::pair<size_t, std::string>> cells;
    size_t i = 0;
    while (i < line.size()) {
        size_t end = line.find("  ", i);
        if (end == std::string::npos) end = line.size();
        cells.push_back({i, line.substr(i, end - i)});
        i = line.find_first_not_of(' ', end);
        if (i == std::string::npos) break;
    }
    return cells;
}

std::string lineWith(const std::string& out, const std::string& start) {
    size_t at = out.find("\n" + start);
    if (at == std::string::npos) return "";
    size_t end = out.find('\n', at + 1);
    return out.substr(at + 1, end - at - 1);
}

TEST(VnstdMacro, ShowPrintsTheCatalogueAligned) {
    Captured c = run(runMacroCommand,
                     {"show", std::string(VN_SOURCE_DIR) + "/examples/macros/end_plate.macro"});
    ASSERT_EQ(c.code, 0) << c.err;
    const auto header = cellsOf(c.out.substr(0, c.out.find('\n')));
    ASSERT_EQ(header.size(), 5u);
    EXPECT_EQ(header[2].second, "KIND");
    const auto edge = cellsOf(lineWith(c.out, "End plate   EdgeTop"));
    ASSERT_EQ(edge.size(), 5u);
    EXPECT_EQ(edge[2].second, "Distance");
    EXPECT_EQ(edge[3].second, "Zichtbaar niet instelbaar");
    EXPECT_EQ(edge[4].second, "-");
    const auto column = cellsOf(lineWith(c.out, "-           Prof1;5 "));
    ASSERT_EQ(column.size(), 5u);
    EXPECT_EQ(column[2].second, "MemberSectionSize");
    EXPECT_EQ(column[4].second, "h");
    for (size_t k = 0; k < 5; ++k) {
        EXPECT_EQ(edge[k].first, header[k].first);
        EXPECT_EQ(column[k].first, header[k].first);
    }
}

TEST(VnstdMacro, BadFilesAndUsage) {
    const auto file = std::filesystem::temp_directory_path() / "vnstd_cmd_macro_bad.macro";
    std::ofstream(file) << "module A other\nmodule A other\n";
    Captured bad = run(runMacroCommand, {"show", file.string()});
    EXPECT_EQ(bad.code, 1);
    EXPECT_NE(bad.err.find("line 2: module 'A' declared twice"), std::string::npos) << bad.err;
    EXPECT_EQ(bad.out, "");
    std::filesystem::remove(file);
    EXPECT_EQ(run(runMacroCommand, {"list"}).code, 2);
    EXPECT_EQ(run(runMappingCommand, {"show"}).code, 2);
}

TEST(VnstdMapping, ShowNamesTheSeparatorBytes) {
    const auto file = std::filesystem::temp_directory_path() / "vnstd_cmd_mapping.map";
    std::ofstream(file, std::ios::binary) << "Mapping version 1.0\r\nBracket=Width\x83Plate1\x95"
                                             "Distance W\xBF"
                                             "Bad\x83Plate1\x95Nope\r\n";
    Captured c = run(runMappingCommand, {"show", file.string()});
    std::filesystem::remove(file);
    ASSERT_EQ(c.code, 0) << c.err;
    EXPECT_EQ(c.out,
              "Mapping version 1.0\nBracket\n  Width -> Plate1, Distance, W\n"
              "  (skipped: Bad[83]Plate1[95]Nope)\n");
}

TEST(VnstdMapping, ShowPrintsTheHeaderLineTheFileHas) {
    const auto file = std::filesystem::temp_directory_path() / "vnstd_cmd_mapping_header.map";
    std::ofstream(file, std::ios::binary) << "mapping VERSION 2\r\nK=W\x83P\x95"
                                             "Distance W\r\n";
    Captured c = run(runMappingCommand, {"show", file.string()});
    std::ofstream(file, std::ios::binary) << "K=W\x83P\x95"
                                             "Distance W\r\n";
    Captured none = run(runMappingCommand, {"show", file.string()});
    std::filesystem::remove(file);
    EXPECT_EQ(c.out, "mapping VERSION 2\nK\n  W -> P, Distance, W\n");
    EXPECT_EQ(none.out, "(no header line)\nK\n  W -> P, Distance, W\n");
}

}  // namespace
