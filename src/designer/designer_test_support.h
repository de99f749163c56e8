#pragma once
// Shared pieces of the designer tests: a library folder of their own holding copies of the
// example templates and texts, and a blank host dialog the templates are drawn into.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "core.h"
#include "ktx_dlg_designer_data.h"
#include "win.h"
#include "win_driver.h"

inline constexpr UINT kDesignerHostDialog = 9871;

// A blank modeless dialog, 400 x 300 dialog units.
class DesignerHostDialog : public CDialog {
  public:
    DesignerHostDialog();
    ~DesignerHostDialog() override;
};

class DesignerLibraryTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    std::filesystem::path designFolder() const {
        return lib_ / "Dialog Templates" / "Dialog Design";
    }
    // The Windows path of a file below the library folder, e.g. "Dialog Templates\\x.txt".
    Ktx_String libPath(const std::string& relative) const;
    Ktx_String templatePath(const std::string& name) const {
        return libPath("Dialog Templates\\Dialog Design\\" + name + ".txt");
    }
    void writeFile(const std::filesystem::path& path, const std::string& bytes) const;
    std::string readFile(const std::filesystem::path& path) const;
    // A white picture w x h with a black frame, as a 24-bit bitmap file.
    void writePicture(const std::filesystem::path& path, int width, int height) const;

    // A host dialog with the data initialized in run or design mode (ids 33000..33099).
    void initialize(Ktx_DlgDesignerData& data, bool designMode);
    // A control with a pixel rectangle on a 100 x 100 picture.
    static Ktx_DesignerControl control(int type, int left, int top, int right, int bottom,
                                       const char* contents = "");

    std::filesystem::path lib_;
    std::unique_ptr<DesignerHostDialog> host_;
};
