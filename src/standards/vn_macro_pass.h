#pragma once
// One pass over a mapping's variables, reading them from a macro or writing them to it.
//
// It remembers the modules a group name of the macro stands for, with their tabs, found once
// per pass. A pass reads or writes property values only: it adds, removes and renames no
// module, group or tab, so what a name was found to stand for, and the pointers to it, hold
// until the pass ends. A new macro or macro data starts the memory anew. The list holds, in the
// order forEachModuleOfGroup visits them, the modules that exist and have a tab; the others
// fail on the road anyway and change nothing.
//
// It also tells the mapping the place of the variable at hand (slot), where a mapping taken
// from a kept mapping line remembers the map that serves it (see VnMapLookups).
#include <span>
#include <string>
#include <vector>

#include "acad.h"
#include "ktx_macro.h"
#include "ktx_string.h"
#include "macro_data.h"

// What the caller of a second pass knows of the macro since the first: whether a module,
// group or tab may have been added, removed or renamed in between.
enum class VnMacroShape { MayHaveChanged, UnchangedSinceRead };

class VnMacroPass {
  public:
    struct Target {
        Ktx_Module* module = nullptr;
        MacroTabData* tab = nullptr;
    };

    // The place of the variable being read or written in the pass (-1: none).
    int slot = -1;

    // Starts a new pass: nothing found before is taken again; the room of the lists stays.
    void restart();
    // Starts a new pass over the same macro: with the shape unchanged since the last pass the
    // groups it found are taken again, else it is restart().
    void startOver(VnMacroShape shape);

    // The targets of group `group`; the status is forEachModuleOfGroup's. The list stays valid
    // until the next call.
    Acad::ErrorStatus find(Ktx_Macro* macro, MacroData* data, const Ktx_String& group,
                           std::span<const Target>& targets);

  private:
    struct Entry {
        std::string group;
        Acad::ErrorStatus status = Acad::eOk;
        size_t begin = 0, end = 0;  // its targets in targets_
    };

    Ktx_Macro* macro_ = nullptr;
    MacroData* data_ = nullptr;
    std::vector<Entry> entries_;
    std::vector<Target> targets_;
};
