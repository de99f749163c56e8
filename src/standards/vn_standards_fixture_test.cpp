// The shared fixture of the standards evaluation tests (no tests of its own).
#include "vn_standards_fixture.h"

#include <fstream>

#include "core_reset.h"
#include "ktx_settings.h"
#include "path_translation.h"
#include "sheet_csv.h"
#include "sheet_file.h"
#include "vn_ss_dlgs_mgr.h"
#include "win_driver.h"

void StandardsFixture::SetUp() {
    winResetForTests();
    coreResetForTests();
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    lib_ = std::filesystem::temp_directory_path() /
           (std::string("vn_std_") + info->test_suite_name() + "_" + info->name());
    std::filesystem::remove_all(lib_);
    std::filesystem::create_directories(lib_ / "Connection Standards" / "Childs");
    std::filesystem::create_directories(lib_ / "Connection Standards" / "Data");
    gSettings.setLibDir(windowsPathFromHost(lib_.string()));
    gSettings.ssErrorMessages = true;
}

void StandardsFixture::TearDown() {
    gSSDlgsMgr.destroyAll();
    winResetForTests();
    coreResetForTests();
    std::filesystem::remove_all(lib_);
}

void StandardsFixture::writeFile(const std::string& relativePath, const std::string& content) {
    std::ofstream(lib_ / "Connection Standards" / relativePath, std::ios::binary) << content;
}

void StandardsFixture::writeStandard(const std::string& relativePath, const std::string& csv) {
    std::string error;
    auto sheet = SheetCsv::read(csv, false, error);
    ASSERT_TRUE(sheet) << error;
    writeFile(relativePath, SheetFile::write(*sheet));
}

Ktx_String StandardsFixture::standardPath(const std::string& relativePath) const {
    return windowsPathFromHost((lib_ / "Connection Standards" / relativePath).string());
}

VnDlgStandardsData StandardsFixture::childData(const Ktx_String& file,
                                               const std::vector<Arg>& args) {
    VnDlgStandardsData data;
    data.evalMode = 1;
    data.fileName = file;
    for (const Arg& a : args) {
        VnVarCell cell;
        cell.name = a.name;
        cell.cellType = a.type;
        cell.value = a.value;
        cell.valueType = VnValueDouble;
        data.varCells.append(cell);
    }
    return data;
}

std::string StandardsFixture::valueOf(const VnDlgStandardsData& data, const char* name) {
    int index = -1;
    if (data.varCells.findVarCell(name, index) != Acad::eOk) return "<none>";
    return data.varCells[index].value.str();
}

std::vector<std::string> StandardsFixture::shownTexts() {
    std::vector<std::string> texts;
    for (const MessageBoxRecord& r : winMessageBoxes()) texts.push_back(r.text);
    return texts;
}
