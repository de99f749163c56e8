#pragma once
// Test support for the standards evaluation: a library folder of its own per test, standards
// written from CSV text, and argument lists for child evaluations.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "vn_dlg_standards_data.h"

class StandardsFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a standard (grid sheet file) below "Connection Standards\" from CSV text; the
    // relative path uses "/" ("Childs/B.vns").
    void writeStandard(const std::string& relativePath, const std::string& csv);
    void writeFile(const std::string& relativePath, const std::string& content);
    // The Windows path of a file below "Connection Standards\".
    Ktx_String standardPath(const std::string& relativePath) const;

  public:
    // A child evaluation of the standard with arguments; cell types of the caller.
    struct Arg {
        const char* name;
        VnCellType type;
        const char* value;
    };
    static VnDlgStandardsData childData(const Ktx_String& file, const std::vector<Arg>& args);
    static std::string valueOf(const VnDlgStandardsData& data, const char* name);

    // The texts of the message boxes shown so far.
    static std::vector<std::string> shownTexts();

  protected:
    std::filesystem::path lib_;
};
