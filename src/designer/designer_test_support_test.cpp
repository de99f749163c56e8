// The shared fixture of the designer tests (no tests of its own).
#include "designer_test_support.h"

#include "path_translation.h"

namespace {

const DialogTemplateRegistration kHostTemplate(
    {kDesignerHostDialog, "Host", kDialogStyle, 0, 0, 400, 300, {}});

void copyFolder(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::filesystem::create_directories(to);
    std::filesystem::copy(from, to,
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing);
}

}  // namespace

DesignerHostDialog::DesignerHostDialog() {
    Create(kDesignerHostDialog);
}
DesignerHostDialog::~DesignerHostDialog() {
    if (GetSafeHwnd()) DestroyWindow();
}

void DesignerLibraryTest::SetUp() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    lib_ = std::filesystem::temp_directory_path() /
           ("vn_designer_" + std::to_string(::getpid()) + "_" + info->name());
    std::filesystem::remove_all(lib_);
    const std::filesystem::path examples =
        std::filesystem::path(VN_SOURCE_DIR) / "examples" / "library";
    copyFolder(examples / "Dialog Templates", lib_ / "Dialog Templates");
    copyFolder(examples / "Texts", lib_ / "Texts");
    gSettings.setLibDir(windowsPathFromHost(lib_.string()));
}

void DesignerLibraryTest::TearDown() {
    host_.reset();
    std::filesystem::remove_all(lib_);
}

Ktx_String DesignerLibraryTest::libPath(const std::string& relative) const {
    return gSettings.libDir + Ktx_String(relative);
}

void DesignerLibraryTest::writeFile(const std::filesystem::path& path,
                                    const std::string& bytes) const {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string DesignerLibraryTest::readFile(const std::filesystem::path& path) const {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void DesignerLibraryTest::writePicture(const std::filesystem::path& path, int width,
                                       int height) const {
    const int rowSize = (width * 3 + 3) & ~3;
    std::string bytes(54 + static_cast<size_t>(rowSize) * height, '\0');
    auto put32 = [&bytes](size_t at, int v) {
        for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, static_cast<int>(bytes.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, width);
    put32(22, height);
    bytes[26] = 1;
    bytes[28] = 24;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool frame = x == 0 || y == 0 || x == width - 1 || y == height - 1;
            const size_t at = 54 + static_cast<size_t>(y) * rowSize + x * 3;
            for (int c = 0; c < 3; ++c) bytes[at + c] = frame ? '\0' : '\xFF';
        }
    }
    writeFile(path, bytes);
}

void DesignerLibraryTest::initialize(Ktx_DlgDesignerData& data, bool designMode) {
    host_ = std::make_unique<DesignerHostDialog>();
    ASSERT_TRUE(data.initialize(host_.get(), 33000, 33099, 0, 0, 0, 0, 0, designMode));
    data.imageWidth = 100;
    data.imageHeight = 100;
}

Ktx_DesignerControl DesignerLibraryTest::control(int type, int left, int top, int right, int bottom,
                                                 const char* contents) {
    Ktx_DesignerControl c;
    c.type = static_cast<Ktx_ControlType>(type);
    c.topLeftX = left / 100.0;
    c.topLeftY = top / 100.0;
    c.bottomRightX = right / 100.0;
    c.bottomRightY = bottom / 100.0;
    c.contents = contents;
    return c;
}
