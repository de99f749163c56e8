#include "module_entry.h"

#include <gtest/gtest.h>

#include "frame.h"
#include "resource_module.h"

namespace {
HINSTANCE fakeInstance() {
    return reinterpret_cast<HINSTANCE>(static_cast<std::uintptr_t>(0x4000));
}
}  // namespace

class ModuleEntryTest : public ::testing::Test {
  protected:
    void SetUp() override { frameResetForTests(); }
};

TEST_F(ModuleEntryTest, AttachStoresTheHandleAndLinksResources) {
    EXPECT_EQ(DllMain(fakeInstance(), kDllProcessAttach, nullptr), 1);
    EXPECT_EQ(vnModuleInstance(), fakeInstance());
    EXPECT_EQ(vnResourceOverride().defaultResource(), fakeInstance());
    EXPECT_TRUE(vnExtensionModuleInitialised());
    EXPECT_TRUE(vnResourcesLinked());
    EXPECT_EQ(DllMain(fakeInstance(), kDllProcessDetach, nullptr), 1);
    EXPECT_FALSE(vnExtensionModuleInitialised());
    EXPECT_FALSE(vnResourcesLinked());
}

TEST_F(ModuleEntryTest, FailedExtensionInitReturnsZeroAfterSavingTheResource) {
    vnFailNextExtensionInit();
    EXPECT_EQ(DllMain(fakeInstance(), kDllProcessAttach, nullptr), 0);
    // The handle and the resource override were set before the failing step.
    EXPECT_EQ(vnModuleInstance(), fakeInstance());
    EXPECT_EQ(vnResourceOverride().defaultResource(), fakeInstance());
    EXPECT_FALSE(vnExtensionModuleInitialised());
    EXPECT_FALSE(vnResourcesLinked());
    // The failure is one-shot: a later attach succeeds.
    EXPECT_EQ(DllMain(fakeInstance(), kDllProcessAttach, nullptr), 1);
}

TEST_F(ModuleEntryTest, OtherReasonsReturnOneAndChangeNothing) {
    EXPECT_EQ(DllMain(fakeInstance(), kDllThreadAttach, nullptr), 1);
    EXPECT_EQ(DllMain(fakeInstance(), kDllThreadDetach, nullptr), 1);
    EXPECT_EQ(vnModuleInstance(), nullptr);
}

TEST_F(ModuleEntryTest, ResourceScopeRestoresOnlyWhatItChanged) {
    DllMain(fakeInstance(), kDllProcessAttach, nullptr);
    EXPECT_EQ(coreCurrentResourceModule(), nullptr);
    {
        VnResourceScope outer(vnResourceOverride());
        EXPECT_TRUE(outer.changed());
        EXPECT_EQ(coreCurrentResourceModule(), fakeInstance());
        {
            VnResourceScope inner(vnResourceOverride());
            EXPECT_FALSE(inner.changed());  // already current
        }
        EXPECT_EQ(coreCurrentResourceModule(), fakeInstance());
    }
    EXPECT_EQ(coreCurrentResourceModule(), nullptr);
}
