#include "guid.h"

#include <gtest/gtest.h>

#include "module_file.h"
#include "win_driver.h"

namespace {

const GUID kProxyStub = {0x00020424, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const GUID kMixed = {0x1A2B3C4D, 0xE5F6, 0x0789, {0xAB, 0xCD, 0xEF, 0x01, 0x23, 0x45, 0x67, 0x89}};

TEST(Guid, TextFormIsBracedUpperCaseHexWithHyphens) {
    LPOLESTR text = nullptr;
    ASSERT_EQ(StringFromCLSID(kProxyStub, &text), S_OK);
    EXPECT_STREQ(text, "{00020424-0000-0000-C000-000000000046}");
    CoTaskMemFree(text);
    EXPECT_EQ(guidToString(kMixed), "{1A2B3C4D-E5F6-0789-ABCD-EF0123456789}");
    char small[38];
    EXPECT_EQ(StringFromGUID2(kMixed, small, sizeof small), 0);
}

TEST(Guid, TextReadsBackAndMalformedTextIsRefused) {
    CLSID read;
    ASSERT_EQ(CLSIDFromString("{1a2b3c4d-e5f6-0789-abcd-ef0123456789}", &read), NOERROR);
    EXPECT_EQ(read, kMixed);
    for (const char* bad :
         {"1A2B3C4D-E5F6-0789-ABCD-EF0123456789", "{1A2B3C4D-E5F6-0789-ABCD-EF012345678}",
          "{1A2B3C4D-E5F6-0789-ABCDXEF0123456789}", "{1A2B3C4D-E5F6-0789-ABCD-EF012345678G}", ""}) {
        CLSID untouched = kProxyStub;
        EXPECT_EQ(CLSIDFromString(bad, &untouched), CO_E_CLASSSTRING) << bad;
        EXPECT_EQ(untouched, kProxyStub);
    }
}

TEST(ModuleFile, ReportsTheChosenFolderAndCutsToTheBuffer) {
    moduleFileSetFolder("D:\\Tools\\");
    HMODULE module = reinterpret_cast<HMODULE>(std::uintptr_t{0x400000});
    char buffer[260];
    EXPECT_EQ(GetModuleFileName(module, buffer, sizeof buffer), 21u);
    EXPECT_STREQ(buffer, "D:\\Tools\\vnmodule.arx");
    moduleFileSetPath(module, "E:\\Lib\\vn.arx");
    EXPECT_EQ(GetModuleFileName(module, buffer, sizeof buffer), 13u);
    char small[5];
    EXPECT_EQ(GetModuleFileName(module, small, sizeof small), 5u);
    EXPECT_STREQ(small, "E:\\L");
    moduleFileResetForTests();
}

}  // namespace
