#include "registry_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "registry.h"
#include "whole_file.h"

namespace {

std::string utf16le(std::string_view ascii) {
    std::string out = "\xFF\xFE";
    for (char c : ascii) {
        out += c;
        out += '\0';
    }
    return out;
}

std::string deepSection(std::size_t depth) {
    std::string path = "[HKEY_CURRENT_USER";
    for (std::size_t i = 0; i < depth; ++i) path += "\\k";
    return path + "]\r\n";
}

class RegistryFile : public ::testing::Test {
  protected:
    void SetUp() override { registryResetForTests(); }
    void TearDown() override {
        registryResetForTests();
        std::filesystem::remove(path);
    }
    std::string path = (std::filesystem::temp_directory_path() /
                        ("vn_registry_file_" + std::to_string(::getpid()) + ".reg"))
                           .string();

    void plant(const std::string& bytes) const { std::ofstream(path, std::ios::binary) << bytes; }
    std::string saved() const {
        std::string bytes;
        EXPECT_TRUE(fileReadWhole(path, bytes));
        return bytes;
    }
    static std::string valueOf(const char* keyPath, const char* name) {
        HKEY key = nullptr;
        if (RegOpenKeyEx(HKEY_CURRENT_USER, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS)
            return "<no key>";
        char buffer[64] = {};
        DWORD size = sizeof buffer, type = 0;
        const LONG code =
            RegQueryValueEx(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
        RegCloseKey(key);
        return code == ERROR_SUCCESS ? std::string(buffer, size - 1) : "<no value>";
    }
    static void changeSomething() {
        HKEY key = nullptr;
        RegCreateKeyEx(HKEY_CURRENT_USER, "New", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                       nullptr);
        RegCloseKey(key);
    }
};

constexpr const char* kBody = "\r\n[HKEY_CURRENT_USER\\Software]\r\n\"Name\"=\"caf\xE9 \x80\"\r\n";

TEST_F(RegistryFile, KeysNestedDeeperThan512AreRefusedWithoutExhaustingTheStack) {
    const std::string header = "Windows Registry Editor Version 5.00\r\n";
    std::string error;
    EXPECT_TRUE(registryImport(header + deepSection(kRegistryMaxDepth), &error)) << error;
    EXPECT_FALSE(registryImport(header + deepSection(kRegistryMaxDepth + 1), &error));
    EXPECT_EQ(error, "line 2: key nested too deep");
    EXPECT_FALSE(registryImport(header + deepSection(100000), &error));

    std::string deep = "a";
    for (std::size_t i = 1; i <= kRegistryMaxDepth; ++i) deep += "\\a";
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, deep.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                             nullptr, &key, nullptr),
              ERROR_BAD_PATHNAME);
}

TEST_F(RegistryFile, AFolderOrAMissingFileIsAClearErrorNotACrash) {
    std::string error;
    const std::string folder = std::filesystem::temp_directory_path().string();
    EXPECT_FALSE(registryLoadFile(folder, &error));
    EXPECT_EQ(error, folder + ": is a folder");
    EXPECT_FALSE(registryLoadFile(path + ".missing", &error));
    EXPECT_EQ(error, path + ".missing: No such file or directory");
}

TEST_F(RegistryFile, Utf16FileFromWindowsLoadsAndIsWrittenBackAsUtf16) {
    // "café €" as Windows writes it: é is U+00E9, € is U+20AC.
    std::string file = utf16le(
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software]\r\n\"Name\"=\"caf");
    file += std::string("\xE9\x00 \x00\xAC\x20\"\x00\r\x00\n\x00", 12);
    plant(file);
    std::string error;
    ASSERT_TRUE(registryLoadFile(path, &error)) << error;
    EXPECT_EQ(valueOf("Software", "Name"), "caf\xE9 \x80");
    changeSomething();
    ASSERT_TRUE(registrySaveFile(path));
    const std::string back = saved();
    ASSERT_TRUE(back.starts_with(utf16le("Windows Registry Editor Version 5.00\r\n")));
    EXPECT_NE(back.find(std::string("\xAC\x20", 2)), std::string::npos);
    registryResetForTests();
    ASSERT_TRUE(registryLoadFile(path, &error)) << error;
    EXPECT_EQ(valueOf("Software", "Name"), "caf\xE9 \x80");
}

TEST_F(RegistryFile, Utf16CharacterOutsideCodePage1252FailsTheLoadWithItsLine) {
    std::string file = utf16le("Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\");
    file += std::string("\x2D\x4E", 2) + utf16le("]\r\n").substr(2);
    std::string error;
    EXPECT_FALSE(registryImport(file, &error));
    EXPECT_EQ(error, "line 3: character U+4E2D has no code page 1252 byte");
    EXPECT_FALSE(registryImport(file.substr(0, file.size() - 1), &error));
}

TEST_F(RegistryFile, Utf8MarkAndRegedit4HeaderAreReadAndWrittenAgain) {
    for (const std::string& header :
         {std::string("\xEF\xBB\xBFWindows Registry Editor Version 5.00"), std::string("REGEDIT4"),
          std::string("\xEF\xBB\xBFREGEDIT4")}) {
        registryResetForTests();
        plant(header + "\r\n" + kBody);
        std::string error;
        ASSERT_TRUE(registryLoadFile(path, &error)) << header << ": " << error;
        EXPECT_EQ(valueOf("Software", "Name"), "caf\xE9 \x80");
        changeSomething();
        ASSERT_TRUE(registrySaveFile(path));
        EXPECT_TRUE(saved().starts_with(header + "\r\n\r\n")) << header;
    }
}

TEST_F(RegistryFile, LoneCarriageReturnsEndLines) {
    std::string error;
    const std::optional<RegistryTree> tree = registryImport(
        "Windows Registry Editor Version 5.00\r\r[HKEY_CURRENT_USER\\A]\r\"v\"=\"x\"\r", &error);
    ASSERT_TRUE(tree) << error;
    const RegistryKey* a = tree->root("HKCU")->findSubkey("A");
    ASSERT_NE(a, nullptr);
    ASSERT_NE(a->findValue("v"), nullptr);
    EXPECT_EQ(a->findValue("v")->data, std::string("x\0", 2));
}

}  // namespace
