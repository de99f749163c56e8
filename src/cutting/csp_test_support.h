#pragma once
// Shared pieces of the cutting-stock tests: a library folder of their own, a scripted file
// chooser and data with entries.
#include <gtest/gtest.h>
#include <unistd.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "core_reset.h"
#include "csp_file_chooser.h"
#include "dlg_csp2_data.h"
#include "file_ops.h"
#include "ktx_settings.h"
#include "path_translation.h"
#include "win_reset.h"

// The shop file of twoEntries()'s first entry (IPE) as saved.
inline constexpr const char* kIpeShopFile =
    "IPE 200\xBF"
    "2350\xBF"
    "1\r\nIPE 200\xBF"
    "4100\xBF"
    "2\r\n";

class CspScriptedChooser : public VnCspFileChooser {
  public:
    std::vector<VnCspFileRequest> requests;
    std::deque<std::optional<Ktx_String>> answers;  // nullopt cancels; none left cancels too
    std::optional<Ktx_String> choose(const VnCspFileRequest& request) override {
        requests.push_back(request);
        if (answers.empty()) return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class CspLibraryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        winResetForTests();
        coreResetForTests();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        lib_ = std::filesystem::temp_directory_path() /
               ("vn_csp_" + std::to_string(::getpid()) + "_" + info->name());
        std::filesystem::remove_all(lib_);
        std::filesystem::create_directories(lib_ / "Cutting Stock");
        gSettings.setLibDir(windowsPathFromHost(lib_.string()));
    }
    void TearDown() override {
        std::filesystem::remove_all(lib_);
        winResetForTests();
        coreResetForTests();
    }
    std::filesystem::path entryDir(const std::string& entry) const {
        return lib_ / "Cutting Stock" / entry;
    }
    void writeFile(const std::string& entry, const std::string& name, const std::string& text,
                   std::time_t modified = 0) {
        std::filesystem::create_directories(entryDir(entry));
        std::ofstream(entryDir(entry) / name, std::ios::binary) << text;
        if (modified != 0) {
            const auto path = windowsPathFromHost((entryDir(entry) / name).string());
            ASSERT_TRUE(ObjectExportSetFileTime(path, modified));
        }
    }
    std::string readFile(const std::string& entry, const std::string& name) const {
        std::ifstream in(entryDir(entry) / name, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    Ktx_String winPath(const std::string& entry, const std::string& name) const {
        return windowsPathFromHost((entryDir(entry) / name).string());
    }
    // Two entries, ids 3 and 7, with rows in the shop table.
    static DlgCSP2Data twoEntries() {
        DlgCSP2Data data;
        data.entryIds = {3, 7};
        data.entryNames = {"IPE", "Plate"};
        data.shopIds = {3, 3, 7};
        data.shopRows.append(Ktx_StringArray{"IPE 200", "2350", "1"});
        data.shopRows.append(Ktx_StringArray{"IPE 200", "4100", "2"});
        data.shopRows.append(Ktx_StringArray{"PL 10", "1200", "4"});
        return data;
    }

    std::filesystem::path lib_;
};
