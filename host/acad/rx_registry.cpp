#include "rx_registry.h"

#include <algorithm>

namespace {

const char* const kDynamicLinkerKey = "DynamicLinker";
const char* const kCommandStackKey = "ACAD_REGISTERED_COMMANDS";

std::unique_ptr<AcRxDictionary> makeSystemRegistry() {
    auto registry = std::make_unique<AcRxDictionary>();
    registry->atPut(kDynamicLinkerKey, std::make_unique<AcRxDynamicLinker>());
    registry->atPut(kCommandStackKey, std::make_unique<AcEdCommandStack>());
    return registry;
}

std::unique_ptr<AcRxDictionary>& systemRegistry() {
    static std::unique_ptr<AcRxDictionary> registry = makeSystemRegistry();
    return registry;
}

}  // namespace

AcRxObject* AcRxDictionary::at(const char* key) const {
    if (!key) return nullptr;
    auto it = objects_.find(key);
    return it == objects_.end() ? nullptr : it->second.get();
}

AcRxObject* AcRxDictionary::atPut(const char* key, std::unique_ptr<AcRxObject> object) {
    if (!key) return nullptr;
    auto& slot = objects_[key];
    slot = std::move(object);
    return slot.get();
}

bool AcRxDictionary::has(const char* key) const {
    return at(key) != nullptr;
}

AcRxDynamicLinker* AcRxDynamicLinker::cast(AcRxObject* object) {
    return dynamic_cast<AcRxDynamicLinker*>(object);
}

bool AcRxDynamicLinker::unlockApplication(void* appId) {
    if (!appId) return false;
    unlocked_.insert(appId);
    return true;
}

bool AcRxDynamicLinker::registerAppMDIAware(void* appId) {
    if (!appId) return false;
    mdiAware_.insert(appId);
    return true;
}

bool AcRxDynamicLinker::isApplicationLocked(void* appId) const {
    return unlocked_.count(appId) == 0;
}

bool AcRxDynamicLinker::isAppMDIAware(void* appId) const {
    return mdiAware_.count(appId) != 0;
}

AcEdCommandStack* AcEdCommandStack::cast(AcRxObject* object) {
    return dynamic_cast<AcEdCommandStack*>(object);
}

Acad::ErrorStatus AcEdCommandStack::addCommand(const char* groupName, const char* globalName,
                                               const char* localName, int flags,
                                               AcRxFunctionPtr function) {
    if (!groupName || !globalName || !*groupName || !*globalName) return Acad::eInvalidInput;
    auto& commands = groups_[groupName];
    auto same = [&](const Command& c) { return c.globalName == globalName; };
    if (std::any_of(commands.begin(), commands.end(), same)) return Acad::eDuplicateKey;
    commands.push_back(Command{globalName, localName ? localName : globalName, flags, function});
    return Acad::eOk;
}

Acad::ErrorStatus AcEdCommandStack::removeGroup(const char* groupName) {
    if (!groupName) return Acad::eInvalidInput;
    return groups_.erase(groupName) ? Acad::eOk : Acad::eKeyNotFound;
}

bool AcEdCommandStack::hasGroup(const char* groupName) const {
    return groupName && groups_.count(groupName) != 0;
}

std::vector<std::string> AcEdCommandStack::commandNames(const char* groupName) const {
    std::vector<std::string> names;
    if (!groupName) return names;
    auto it = groups_.find(groupName);
    if (it == groups_.end()) return names;
    for (const auto& command : it->second) names.push_back(command.globalName);
    return names;
}

AcRxDictionary* acrxSysRegistry() {
    return systemRegistry().get();
}

AcRxDynamicLinker* acrxDynamicLinkerObject() {
    return AcRxDynamicLinker::cast(acrxSysRegistry()->at(kDynamicLinkerKey));
}

AcEdCommandStack* acedRegCmdsObject() {
    return AcEdCommandStack::cast(acrxSysRegistry()->at(kCommandStackKey));
}

void acadResetSystemRegistry() {
    systemRegistry() = makeSystemRegistry();
}
