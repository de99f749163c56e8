#include "com_registration.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "frame_reset.h"
#include "module_file.h"
#include "path_translation.h"
#include "registry.h"
#include "win_reset.h"

namespace fs = std::filesystem;

namespace {

class ComRegistration : public ::testing::Test {
  protected:
    void SetUp() override {
        winResetForTests();
        frameResetForTests();
        folder_ = fs::temp_directory_path() / ("vn_comreg_" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        moduleFileSetFolder(windowsPathFromHost(folder_.string()).str());
    }
    void TearDown() override {
        fs::remove_all(folder_);
        winResetForTests();
        frameResetForTests();
    }
    void placeSibling() { std::ofstream(folder_ / "Olex.arx") << "sibling"; }
    Ktx_String siblingPath() const { return windowsPathFromHost(folder_.string()) + "\\Olex.arx"; }
    static Ktx_String id(const CLSID& clsid) { return comIdText(clsid); }
    // The default value of the key below HKEY_CLASSES_ROOT with its zero, or "<missing>".
    static std::string defaultValue(const Ktx_String& key) {
        HKEY h = nullptr;
        if (RegOpenKeyEx(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS)
            return "<missing>";
        char buffer[512] = {};
        DWORD size = sizeof buffer, type = 0;
        const LONG code =
            RegQueryValueEx(h, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
        RegCloseKey(h);
        if (code != ERROR_SUCCESS || type != REG_SZ) return "<missing>";
        return std::string(buffer, size);
    }
    static bool exists(const Ktx_String& key) {
        HKEY h = nullptr;
        if (RegOpenKeyEx(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS)
            return false;
        RegCloseKey(h);
        return true;
    }
    // The names of the subkeys as stored, so that their letter case shows.
    static std::set<std::string> subkeyNames(const Ktx_String& key) {
        std::set<std::string> names;
        HKEY h = nullptr;
        if (RegOpenKeyEx(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS)
            return names;
        char name[256];
        for (DWORD i = 0;; ++i) {
            DWORD size = sizeof name;
            if (RegEnumKeyEx(h, i, name, &size, nullptr, nullptr, nullptr, nullptr) !=
                ERROR_SUCCESS)
                break;
            names.insert(name);
        }
        RegCloseKey(h);
        return names;
    }

    fs::path folder_;
    const VnComClassList list_ = buildComClassList();
};

TEST_F(ComRegistration, ClassListHoldsFifteenClassesTenInterfacesAndDistinctIdentifiers) {
    ASSERT_EQ(list_.classNames.length(), 15);
    ASSERT_EQ(list_.classIds.length(), 15);
    ASSERT_EQ(list_.interfaceNames.length(), 10);
    ASSERT_EQ(list_.interfaceIds.length(), 10);
    EXPECT_EQ(list_.classNames[4], "DynProp");
    EXPECT_EQ(list_.classNames[14], "OPMBody");
    EXPECT_EQ(list_.interfaceNames[4], "IMacro");
    EXPECT_EQ(list_.interfaceNames[9], "IOPMBody");
    std::set<std::string> ids = {id(list_.typeLibId).str()};
    for (const CLSID& c : list_.classIds) ids.insert(id(c).str());
    for (const IID& i : list_.interfaceIds) ids.insert(id(i).str());
    EXPECT_EQ(ids.size(), 26u);
    EXPECT_EQ(ids.count(id(GUID{}).str()), 0u) << "an identifier constant does not parse";
}

TEST_F(ComRegistration, RegistrationIsRefusedWithNothingWrittenWhenTheSiblingIsMissing) {
    EXPECT_EQ(SSregisterOpmCLSIDs(), Acad::eInvalidInput);
    EXPECT_TRUE(subkeyNames("").empty());
}

TEST_F(ComRegistration, RegistrationWritesEveryKeyFormWithTheTextAndItsZero) {
    placeSibling();
    ASSERT_EQ(SSregisterOpmCLSIDs(), Acad::eOk);
    const std::string server = siblingPath().str() + '\0';
    const Ktx_String lib = id(list_.typeLibId);
    EXPECT_EQ(defaultValue("TypeLib\\" + lib + "\\1.1"),
              std::string("Varnox 1.0 Type Library") + '\0');
    EXPECT_EQ(defaultValue("TypeLib\\" + lib + "\\1.1\\0\\win32"), server);
    EXPECT_EQ(defaultValue("TypeLib\\" + lib + "\\1.1\\9\\win32"), server);
    const Ktx_String helix = "CLSID\\" + id(list_.classIds[13]);
    EXPECT_EQ(defaultValue(helix), std::string("Helix Class") + '\0');
    EXPECT_EQ(defaultValue(helix + "\\InProcServer32"), server);
    EXPECT_EQ(defaultValue(helix + "\\Typelib"), lib.str() + '\0');
    const Ktx_String iHelix = "Interface\\" + id(list_.interfaceIds[8]);
    EXPECT_EQ(defaultValue(iHelix), std::string("IHelix Interface") + '\0');
    EXPECT_EQ(defaultValue(iHelix + "\\TypeLib"), lib.str() + '\0');
    EXPECT_EQ(defaultValue(iHelix + "\\ProxyStubClsid32"),
              std::string("{00020424-0000-0000-C000-000000000046}") + '\0');
    EXPECT_EQ(subkeyNames(helix), (std::set<std::string>{"InProcServer32", "Typelib"}));
    EXPECT_EQ(subkeyNames(iHelix), (std::set<std::string>{"ProxyStubClsid32", "TypeLib"}));
    EXPECT_EQ(subkeyNames("CLSID").size(), 15u);
    EXPECT_EQ(subkeyNames("Interface").size(), 10u);
    EXPECT_EQ(comRegistryValues(list_, siblingPath()).size(), 3u + 45u + 30u);
    EXPECT_EQ(registryOpenHandleCount(), 0);
}

TEST_F(ComRegistration, RegisteringTwiceRewritesTheSameValues) {
    placeSibling();
    ASSERT_EQ(SSregisterOpmCLSIDs(), Acad::eOk);
    const std::string once = registryText();
    EXPECT_EQ(SSregisterOpmCLSIDs(), Acad::eOk);
    EXPECT_EQ(registryText(), once);
}

TEST_F(ComRegistration, AFailedWriteIsReportedAfterTheRestIsWritten) {
    placeSibling();
    const Ktx_String macro = "CLSID\\" + id(list_.classIds[9]);
    registryDenyAccess(HKEY_CLASSES_ROOT, macro.str(), KEY_SET_VALUE);
    EXPECT_EQ(SSregisterOpmCLSIDs(), Acad::eInvalidInput);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_FALSE(exists(macro));
    EXPECT_TRUE(exists("CLSID\\" + id(list_.classIds[14])));
    EXPECT_EQ(subkeyNames("Interface").size(), 10u);
    EXPECT_EQ(registryOpenHandleCount(), 0);
}

TEST_F(ComRegistration, CleanupWithNothingRegisteredSucceeds) {
    EXPECT_EQ(SScleanupComRegistry(), Acad::eOk);
}

TEST_F(ComRegistration, CleanupAfterAPartialRegistrationRemovesWhatExistsAndKeepsOtherKeys) {
    placeSibling();
    HKEY other = nullptr;
    ASSERT_EQ(
        RegCreateKey(HKEY_CLASSES_ROOT, "CLSID\\{00000000-0000-0000-0000-000000000001}", &other),
        ERROR_SUCCESS);
    RegCloseKey(other);
    registryDenyAccess(HKEY_CLASSES_ROOT, ("CLSID\\" + id(list_.classIds[7])).str(), KEY_SET_VALUE);
    ASSERT_EQ(SSregisterOpmCLSIDs(), Acad::eInvalidInput);

    EXPECT_EQ(SScleanupComRegistry(), Acad::eOk);
    EXPECT_EQ(subkeyNames("CLSID"),
              (std::set<std::string>{"{00000000-0000-0000-0000-000000000001}"}));
    EXPECT_TRUE(subkeyNames("Interface").empty());
    EXPECT_TRUE(subkeyNames("TypeLib").empty());
}

TEST_F(ComRegistration, CleanupFailsForAParentItCannotOpenAndStillRemovesTheOthers) {
    placeSibling();
    ASSERT_EQ(SSregisterOpmCLSIDs(), Acad::eOk);
    registryDenyAccess(HKEY_CLASSES_ROOT, "Interface", KEY_ALL_ACCESS);
    EXPECT_EQ(SScleanupComRegistry(), Acad::eInvalidInput);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_TRUE(subkeyNames("CLSID").empty());
    EXPECT_TRUE(subkeyNames("TypeLib").empty());
}

TEST_F(ComRegistration, CleanupReportsAKeyThatCouldNotBeDeleted) {
    placeSibling();
    ASSERT_EQ(SSregisterOpmCLSIDs(), Acad::eOk);
    const Ktx_String bolt = "CLSID\\" + id(list_.classIds[0]);
    registryDenyAccess(HKEY_CLASSES_ROOT, (bolt + "\\InProcServer32").str(), DELETE);
    EXPECT_EQ(SScleanupComRegistry(), Acad::eInvalidInput);
    EXPECT_TRUE(exists(bolt + "\\InProcServer32"));
    EXPECT_EQ(subkeyNames("CLSID").size(), 1u);
}

}  // namespace
