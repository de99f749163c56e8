#pragma once
// The CAD host's system registry: a dictionary of named service objects. It always holds the
// dynamic linker under "DynamicLinker" and the command stack under "ACAD_REGISTERED_COMMANDS".
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "acad_error_status.h"

class AcRxObject {
  public:
    virtual ~AcRxObject() = default;
};

// Named objects; the dictionary owns what is put in it.
class AcRxDictionary : public AcRxObject {
  public:
    // The object stored under key, or nullptr.
    AcRxObject* at(const char* key) const;
    // Stores (replacing any object under the same key); returns the stored object.
    AcRxObject* atPut(const char* key, std::unique_ptr<AcRxObject> object);
    bool has(const char* key) const;

  private:
    std::map<std::string, std::unique_ptr<AcRxObject>> objects_;
};

// Loads and unloads applications. Records which application ids were unlocked (may be
// unloaded) and registered as working in several documents at once.
class AcRxDynamicLinker : public AcRxObject {
  public:
    static AcRxDynamicLinker* cast(AcRxObject* object);
    // Both return false for a null application id.
    bool unlockApplication(void* appId);
    bool registerAppMDIAware(void* appId);
    bool isApplicationLocked(void* appId) const;
    bool isAppMDIAware(void* appId) const;

  private:
    std::set<void*> unlocked_;
    std::set<void*> mdiAware_;
};

using AcRxFunctionPtr = void (*)();

// Commands registered by applications, in named groups.
class AcEdCommandStack : public AcRxObject {
  public:
    static AcEdCommandStack* cast(AcRxObject* object);
    // Adds a command to a group (created on first use); eDuplicateKey when the group already
    // has a command of that global name, eInvalidInput for a null or empty name.
    Acad::ErrorStatus addCommand(const char* groupName, const char* globalName,
                                 const char* localName, int flags, AcRxFunctionPtr function);
    // Removes a whole group; eKeyNotFound when there is none of that name.
    Acad::ErrorStatus removeGroup(const char* groupName);
    bool hasGroup(const char* groupName) const;
    std::vector<std::string> commandNames(const char* groupName) const;

  private:
    struct Command {
        std::string globalName;
        std::string localName;
        int flags = 0;
        AcRxFunctionPtr function = nullptr;
    };
    std::map<std::string, std::vector<Command>> groups_;
};

// The one system registry of the host process.
AcRxDictionary* acrxSysRegistry();
// Shorthands for the two registered services.
AcRxDynamicLinker* acrxDynamicLinkerObject();
AcEdCommandStack* acedRegCmdsObject();
// Rebuilds the registry with a fresh dynamic linker and an empty command stack.
void acadResetSystemRegistry();
