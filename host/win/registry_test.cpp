#include "registry.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

class Registry : public ::testing::Test {
  protected:
    void SetUp() override { registryResetForTests(); }
    void TearDown() override { registryResetForTests(); }

    HKEY create(HKEY root, const char* path, REGSAM rights = KEY_ALL_ACCESS) {
        HKEY key = nullptr;
        EXPECT_EQ(RegCreateKeyEx(root, path, 0, nullptr, 0, rights, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        return key;
    }
    static void setText(HKEY key, const char* name, const std::string& text) {
        ASSERT_EQ(RegSetValueEx(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                static_cast<DWORD>(text.size() + 1)),
                  ERROR_SUCCESS);
    }
    static std::string queryText(HKEY key, const char* name) {
        char buffer[256] = {};
        DWORD size = sizeof buffer, type = 0;
        if (RegQueryValueEx(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) !=
            ERROR_SUCCESS)
            return "<missing>";
        return std::string(buffer, size > 0 ? size - 1 : 0);
    }
    static std::string tempPath(const char* name) {
        return (std::filesystem::temp_directory_path() /
                (std::string("vn_registry_") + std::to_string(::getpid()) + name))
            .string();
    }
};

TEST_F(Registry, CreatedTreeKeepsValuesAndReopensWithAnyLetterCase) {
    HKEY key = create(HKEY_LOCAL_MACHINE, "Software\\Varnox\\Spreadsheet Editor v1.0");
    setText(key, "Language", "English");
    setText(key, nullptr, "default");
    const DWORD number = 42;
    ASSERT_EQ(RegSetValueEx(key, "Count", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4),
              ERROR_SUCCESS);
    ASSERT_EQ(RegCloseKey(key), ERROR_SUCCESS);

    HKEY again = nullptr;
    ASSERT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\varnox\\spreadsheet editor V1.0", 0,
                           KEY_READ, &again),
              ERROR_SUCCESS);
    EXPECT_EQ(queryText(again, "language"), "English");
    EXPECT_EQ(queryText(again, ""), "default");
    DWORD read = 0, size = sizeof read, type = 0;
    EXPECT_EQ(
        RegQueryValueEx(again, "Count", nullptr, &type, reinterpret_cast<BYTE*>(&read), &size),
        ERROR_SUCCESS);
    EXPECT_EQ(type, REG_DWORD);
    EXPECT_EQ(read, 42u);
    RegCloseKey(again);
    EXPECT_EQ(registryOpenHandleCount(), 0);
}

TEST_F(Registry, MissingKeyAndValueGiveFileNotFoundAsLastError) {
    HKEY key = reinterpret_cast<HKEY>(std::uintptr_t{7});
    EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Nothing", 0, KEY_READ, &key),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(key, reinterpret_cast<HKEY>(std::uintptr_t{7}));  // untouched on failure
    HKEY made = create(HKEY_CURRENT_USER, "Software\\Something");
    EXPECT_EQ(queryText(made, "Absent"), "<missing>");
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    RegCloseKey(made);
}

TEST_F(Registry, QueryWithSmallBufferReportsTheSizeNeeded) {
    HKEY key = create(HKEY_CURRENT_USER, "Software\\Sizes");
    setText(key, "Text", "twelve bytes");
    char small[4] = {'x', 'x', 'x', 'x'};
    DWORD size = sizeof small;
    EXPECT_EQ(RegQueryValueEx(key, "Text", nullptr, nullptr, reinterpret_cast<BYTE*>(small), &size),
              ERROR_MORE_DATA);
    EXPECT_EQ(size, 13u);
    EXPECT_EQ(small[0], 'x');
    size = 0;
    EXPECT_EQ(RegQueryValueEx(key, "Text", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 13u);
    RegCloseKey(key);
}

TEST_F(Registry, RightsAskedForAreEnforced) {
    create(HKEY_CURRENT_USER, "Software\\Rights");
    HKEY readOnly = nullptr;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Rights", 0, KEY_READ, &readOnly),
              ERROR_SUCCESS);
    const BYTE byte = 1;
    EXPECT_EQ(RegSetValueEx(readOnly, "x", 0, REG_BINARY, &byte, 1), ERROR_ACCESS_DENIED);
    HKEY sub = nullptr;
    EXPECT_EQ(
        RegCreateKeyEx(readOnly, "Sub", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &sub, nullptr),
        ERROR_ACCESS_DENIED);
    registryResetForTests();
}

TEST_F(Registry, DeleteKeyRefusesChildrenButShDeleteKeyRemovesTheWholeTree) {
    RegCloseKey(create(HKEY_CLASSES_ROOT, "CLSID\\{A}\\InProcServer32"));
    RegCloseKey(create(HKEY_CLASSES_ROOT, "CLSID\\{A}\\Typelib"));
    HKEY held = create(HKEY_CLASSES_ROOT, "CLSID\\{A}\\Typelib");
    EXPECT_EQ(RegDeleteKey(HKEY_CLASSES_ROOT, "CLSID\\{A}"), ERROR_ACCESS_DENIED);

    EXPECT_EQ(SHDeleteKeyA(HKEY_CLASSES_ROOT, "CLSID\\{a}"), static_cast<DWORD>(ERROR_SUCCESS));
    HKEY gone = nullptr;
    EXPECT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, "CLSID\\{A}\\Typelib", 0, KEY_READ, &gone),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, "CLSID", 0, KEY_READ, &gone), ERROR_SUCCESS);
    RegCloseKey(gone);
    // A handle kept open on a removed key sees that it is gone.
    const BYTE byte = 1;
    EXPECT_EQ(RegSetValueEx(held, "v", 0, REG_BINARY, &byte, 1), ERROR_KEY_DELETED);
    EXPECT_EQ(SHDeleteKeyA(HKEY_CLASSES_ROOT, "CLSID\\{A}"),
              static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST_F(Registry, InjectedDenialBlocksOpeningAndDeletingBelowTheKey) {
    RegCloseKey(create(HKEY_LOCAL_MACHINE, "Software\\Locked\\Inner"));
    registryDenyAccess(HKEY_LOCAL_MACHINE, "Software\\Locked");
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "software\\locked\\inner", 0, KEY_READ, &key),
              ERROR_ACCESS_DENIED);
    EXPECT_EQ(SHDeleteKeyA(HKEY_LOCAL_MACHINE, "Software"),
              static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "Software", 0, KEY_READ, &key), ERROR_SUCCESS);
    RegCloseKey(key);
}

TEST_F(Registry, BadPathsAreRefused) {
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, "a\\\\b", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                             &key, nullptr),
              ERROR_BAD_PATHNAME);
    EXPECT_EQ(RegOpenKeyEx(reinterpret_cast<HKEY>(std::uintptr_t{0x42}), "a", 0, KEY_READ, &key),
              ERROR_INVALID_HANDLE);
}

TEST_F(Registry, SavedFileLoadsBackTheSameTreeWithAwkwardTexts) {
    HKEY key = create(HKEY_CURRENT_USER, "Software\\Quote\"And\\Back");
    setText(key, "path", "C:\\Lib\\\"quoted\"\\");
    setText(key, "empty", "");
    setText(key, "na\"me\\", "caf\xE9 \x80 \xFF");
    setText(key, "lines", "one\r\ntwo");
    const BYTE raw[3] = {0, 0xAB, 0x7F};
    RegSetValueEx(key, "bin", 0, REG_BINARY, raw, 3);
    RegSetValueEx(key, "nothing", 0, REG_BINARY, nullptr, 0);
    RegCloseKey(key);
    RegCloseKey(create(HKEY_LOCAL_MACHINE, "Empty\\Key"));

    const std::string path = tempPath("round.reg");
    ASSERT_TRUE(registrySaveFile(path));
    registryResetForTests();
    std::string error;
    ASSERT_TRUE(registryLoadFile(path, &error)) << error;

    HKEY back = nullptr;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Quote\"And\\Back", 0, KEY_READ, &back),
              ERROR_SUCCESS);
    EXPECT_EQ(queryText(back, "path"), "C:\\Lib\\\"quoted\"\\");
    EXPECT_EQ(queryText(back, "empty"), "");
    EXPECT_EQ(queryText(back, "NA\"ME\\"), "caf\xE9 \x80 \xFF");
    EXPECT_EQ(queryText(back, "lines"), "one\r\ntwo");
    BYTE read[8] = {};
    DWORD size = sizeof read, type = 0;
    ASSERT_EQ(RegQueryValueEx(back, "bin", nullptr, &type, read, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_BINARY);
    EXPECT_EQ(size, 3u);
    EXPECT_EQ(read[1], 0xAB);
    size = sizeof read;
    EXPECT_EQ(RegQueryValueEx(back, "nothing", nullptr, &type, read, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 0u);
    RegCloseKey(back);
    EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "Empty\\Key", 0, KEY_READ, &back), ERROR_SUCCESS);
    RegCloseKey(back);
    std::remove(path.c_str());
}

TEST_F(Registry, SavedFileIsReadableExportText) {
    HKEY key = create(HKEY_LOCAL_MACHINE, "Software\\Varnox");
    setText(key, "Language", "Dutch");
    setText(key, nullptr, "a\\b");
    const DWORD one = 1;
    RegSetValueEx(key, "LARGE_DLG", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), 4);
    RegCloseKey(key);
    const std::string path = tempPath("text.reg");
    ASSERT_TRUE(registrySaveFile(path));
    std::ifstream in(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text,
              "Windows Registry Editor Version 5.00\r\n\r\n"
              "[HKEY_LOCAL_MACHINE\\Software]\r\n\r\n"
              "[HKEY_LOCAL_MACHINE\\Software\\Varnox]\r\n"
              "@=\"a\\\\b\"\r\n"
              "\"Language\"=\"Dutch\"\r\n"
              "\"LARGE_DLG\"=dword:00000001\r\n\r\n");
    std::remove(path.c_str());
}

TEST_F(Registry, DamagedFileLeavesTheRegistryAsItWas) {
    HKEY key = create(HKEY_CURRENT_USER, "Keep");
    setText(key, "v", "kept");
    RegCloseKey(key);
    const std::string path = tempPath("bad.reg");
    std::ofstream(path, std::ios::binary)
        << "Windows Registry Editor Version "
           "5.00\r\n\r\n[HKEY_CURRENT_USER\\New]\r\n\"x\"=hex:0g\r\n";
    std::string error;
    EXPECT_FALSE(registryLoadFile(path, &error));
    EXPECT_EQ(error, "line 4: bad value data");
    EXPECT_FALSE(registryLoadFile(path + ".missing"));
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Keep", 0, KEY_READ, &key), ERROR_SUCCESS);
    EXPECT_EQ(queryText(key, "v"), "kept");
    RegCloseKey(key);
    std::remove(path.c_str());
}

TEST_F(Registry, SaveIntoMissingFolderFailsWithoutLeavingFiles) {
    EXPECT_FALSE(registrySaveFile("/nonexistent-folder-for-test/registry.reg"));
}

}  // namespace
