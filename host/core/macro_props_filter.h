#pragma once
// Ktx_MacroPropsFilter: narrows a library of macro drawings by what they contain.
//
// A macro drawing (".dwg") is a macro file (docs/macro-file.md) of that name. The filter reads
// every drawing it is given and offers its modules and their properties as filter items:
// a module is known by its tab name (its label, or its name when it has no label), its
// properties are the names of its cuts, bolt patterns, placements and member groups. Modules
// of the same tab name in several drawings are one item; their properties are merged in the
// order they are first met. Every item starts switched on; a drawing passes the filter while
// none of its modules and none of their properties is switched off.
//
// A drawing that cannot be read is still offered (it has no modules, so it always passes);
// its error goes to the command line.
#include <string>
#include <vector>

#include "ac_array.h"
#include "acad.h"
#include "ktx_array.h"
#include "ktx_string.h"
#include "ktx_string_array.h"

class Ktx_MacroPropsFilter {
  public:
    static constexpr int kDefaultThumbSize = 96;
    // Larger thumbnail sides are cut down to this (a wild number must not make huge pictures).
    static constexpr int kMaxThumbSize = 1024;

    // `names` are drawings or folders of drawings (searched with their sub-folders), as
    // Windows paths; a relative name lies below libDir + "Macros\\". Only the names whose
    // entry in `enabled` is true are taken; `enabled` must be as long as `names`. The two
    // numbers are the thumbnails' width and height in pixels (kDefaultThumbSize when not
    // positive, at most kMaxThumbSize). eInvalidInput (the filter left empty) when the lengths
    // differ; names that are neither a drawing nor a folder are reported on the command line and
    // skipped.
    Acad::ErrorStatus initialize(const Ktx_StringArray& names, const AcArray<bool>& enabled,
                                 int thumbWidth, int thumbHeight);

    // Every drawing taken, each once, in the order found.
    void getAllDwgFiles(Ktx_StringArray& files) const;
    // The drawings that pass the filter, in the same order.
    void getFilteredMacros(Ktx_StringArray& files) const;
    // One row per module item: its names (the module's tab name, then its properties), their
    // labels (translated through the macro language table) and their states.
    void getMergedProperties(Ktx_Array<Ktx_StringArray>& names, Ktx_Array<Ktx_StringArray>& labels,
                             Ktx_Array<AcArray<bool>>& states) const;
    // Switch a module item, or one property of it, on or off. eKeyNotFound for an unknown
    // module or property (nothing changed).
    Acad::ErrorStatus setModuleStatus(const Ktx_String& module, bool on);
    Acad::ErrorStatus setModulePropStatus(const Ktx_String& module, const Ktx_String& property,
                                          bool on);

    int getThumbnailWidth() const { return thumbWidth_; }
    int getThumbnailHeight() const { return thumbHeight_; }

  private:
    struct Item {
        std::string name;
        bool on = true;
    };
    struct ModuleItem {
        Item module;
        std::vector<Item> properties;
    };
    struct Drawing {
        Ktx_String file;
        // Per module of the drawing: its tab name and its property names.
        std::vector<std::pair<std::string, std::vector<std::string>>> modules;
    };

    void addName(const Ktx_String& name);
    void addDrawing(const Ktx_String& file);
    void mergeModule(const std::string& module, const std::vector<std::string>& properties);
    ModuleItem* findModule(const std::string& name);
    const ModuleItem* findModule(const std::string& name) const;
    bool passes(const Drawing& drawing) const;

    std::vector<Drawing> drawings_;
    std::vector<ModuleItem> items_;
    int thumbWidth_ = kDefaultThumbSize;
    int thumbHeight_ = kDefaultThumbSize;
};
