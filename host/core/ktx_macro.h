#pragma once
// A macro: a parametric connection made of modules, with module groups, general variables and
// base profiles (the profiles the connection joins, numbered from 0).
//
// Ktx_Macro is the content; Ktx_DbMacro is a macro as it lives in the drawing database, with
// an open mode. Reading needs the macro open for read or write; assertWriteEnabled upgrades an
// open macro to write and marks it modified (the caller is about to change it).
//
// Module names are unique within a macro (the macro file enforces it). Module pointers stay
// valid as long as the macro is not reassigned.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "acad.h"
#include "ktx_module.h"
#include "ktx_string.h"
#include "ktx_string_array.h"

struct Ktx_ModuleGroup {
    std::string name;
    std::vector<std::string> moduleNames;
};

// A standard the macro is linked to: its name relative to "Connection Standards\\" without
// extension, and its mapping key (a key of the standard's mapping file, or "Module." + a
// module-group name).
struct Ktx_StandardLink {
    std::string name;
    std::string mappingKey;
    bool operator==(const Ktx_StandardLink&) const = default;
};

struct Ktx_GeneralVariable {
    std::string name;
    double value = 0.0;
};

class Ktx_Macro {
  public:
    std::string name;
    std::vector<Ktx_Module> modules;
    std::vector<Ktx_ModuleGroup> groups;
    std::vector<Ktx_GeneralVariable> generalVariables;
    std::vector<Ktx_Placement> baseProfiles;
    std::vector<Ktx_StandardLink> standards;  // the macro's settings: linked standards, in order

    Ktx_Macro() = default;
    Ktx_Macro(const Ktx_Macro&) = default;
    Ktx_Macro(Ktx_Macro&&) = default;  // the virtual destructor would leave only the copy
    Ktx_Macro& operator=(const Ktx_Macro&) = default;
    Ktx_Macro& operator=(Ktx_Macro&&) = default;
    virtual ~Ktx_Macro() = default;

    // The names of all modules, in macro order.
    void getModuleNames(Ktx_StringArray& names) const;
    // The module of that name (exact), nullptr when none.
    Ktx_Module* findModule(const Ktx_String& moduleName);
    const Ktx_Module* findModule(const Ktx_String& moduleName) const;
    Ktx_Module* findModuleNamed(std::string_view moduleName);

    // The names of the general variables, in macro order.
    void getGeneralVariables(Ktx_StringArray& names) const;
    // The value of a general variable; false (value unchanged) when there is none of that name.
    bool generalVariableValue(const Ktx_String& varName, double& value) const;
    // Sets an existing general variable; eKeyNotFound (nothing added) for an unknown name.
    Acad::ErrorStatus setGeneralVariable(const Ktx_String& varName, double value);
};

enum class Ktx_OpenMode { kClosed = 0, kForRead = 1, kForWrite = 2 };

class Ktx_DbMacro : public Ktx_Macro {
  public:
    Ktx_DbMacro() = default;
    explicit Ktx_DbMacro(Ktx_Macro content) : Ktx_Macro(std::move(content)) {}

    Acad::ErrorStatus open(Ktx_OpenMode mode);
    void close() { mode_ = Ktx_OpenMode::kClosed; }
    Ktx_OpenMode openMode() const { return mode_; }
    // Makes the macro writable (opening it when closed) and marks it modified.
    // Every property access on the road into the macro asserts it: kept inline.
    void assertWriteEnabled() {
        mode_ = Ktx_OpenMode::kForWrite;
        modified_ = true;
    }
    bool isWriteEnabled() const { return mode_ == Ktx_OpenMode::kForWrite; }
    bool isModified() const { return modified_; }
    void clearModified() { modified_ = false; }

  private:
    Ktx_OpenMode mode_ = Ktx_OpenMode::kClosed;
    bool modified_ = false;
};

// The module names of a group of a macro. A name is first looked up among the macro's module
// groups; when there is no group of that name, the modules whose label equals it (or, for
// modules without a label, whose name equals it) form the group, in macro order, so a module's
// tab name addresses that module; when no tab name matches, a labelled module is addressed by
// its name as well. The empty name is the empty group: eOk with no names (maps of
// general variables and base profiles name no module). eKeyNotFound when nothing matches.
Acad::ErrorStatus getModNamesOfGroup(Ktx_Macro* macro, const Ktx_String& group,
                                     Ktx_StringArray& names);
// The same walk without a list: calls visit(name) for each module name of the group, in the
// order getModNamesOfGroup lists them, and returns the status it would. visit must not add or
// remove modules or groups.
template <typename Visit>
Acad::ErrorStatus forEachModuleOfGroup(const Ktx_Macro* macro, std::string_view group,
                                       Visit&& visit) {
    if (!macro) return Acad::eInvalidInput;
    if (group.empty()) return Acad::eOk;
    for (const Ktx_ModuleGroup& g : macro->groups) {
        if (g.name != group) continue;
        for (const std::string& m : g.moduleNames) visit(std::string_view(m));
        return Acad::eOk;
    }
    bool any = false;
    for (const Ktx_Module& m : macro->modules) {
        const std::string& tabName = m.label.empty() ? m.name : m.label;
        if (tabName != group) continue;
        visit(std::string_view(m.name));
        any = true;
    }
    if (any) return Acad::eOk;
    // A labelled module is addressed by its name too.
    for (const Ktx_Module& m : macro->modules) {
        if (m.name != group) continue;
        visit(std::string_view(m.name));
        any = true;
    }
    return any ? Acad::eOk : Acad::eKeyNotFound;
}
// Opens a module of the macro by name for read or write; eKeyNotFound when absent.
Acad::ErrorStatus openModule(Ktx_Macro* macro, const Ktx_String& moduleName, Ktx_Module*& module,
                             bool forWrite);
// Base profile n (0-based); eInvalidInput for a number outside the macro's profiles.
Acad::ErrorStatus getBaseProf(Ktx_Macro* macro, int n, Ktx_Placement*& profile);
