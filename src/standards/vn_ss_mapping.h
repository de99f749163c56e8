#pragma once
// The links of one standards spreadsheet's variables to one macro (a list of object maps), and
// how they are initialised, compared, catalogued and stored in the standard's mapping file.
//
// Modes: 0 not initialised; 1 module group (a variable's name is a path into each module of
// the group named in the evaluation data, no maps); 2 maps read from the mapping file.
//
// Maps read from a mapping file are shared with the kept line they were read from until the
// mapping is changed; copying a mapping copies its maps (or shares the same kept line).
//
// Operations returning Acad::ErrorStatus give eOk on success and eInvalidInput on failure.
#include <memory>
#include <vector>

#include "acad.h"
#include "ktx_macro.h"
#include "ktx_string.h"
#include "ktx_string_array.h"
#include "vn_object_map.h"
#include "vn_value_type.h"

class VnDlgStandardsData;
class AcTransaction;

// What findSSVar found for the variables of passes over a mapping whose maps were taken whole
// from one kept line of a mapping file (see VnMacroPass::slot). Those maps never change, so
// a variable asked about again at the same place with the same name and type is served by the
// same map; any other question is answered by the search.
struct VnMapLookups {
    struct Entry {
        std::string name;
        VnValueType type = VnValueString;
        bool known = false, found = false;
        int index = -1;
    };
    std::vector<Entry> bySlot;
};
class VnMacroPass;

class VnSSMapping {
  public:
    using Maps = std::vector<std::unique_ptr<VnObjectMap>>;

    int mode = 0;

    VnSSMapping() = default;
    VnSSMapping(const VnSSMapping& other);
    VnSSMapping& operator=(const VnSSMapping& other);
    VnSSMapping(VnSSMapping&&) noexcept = default;
    VnSSMapping& operator=(VnSSMapping&&) noexcept = default;
    virtual ~VnSSMapping() = default;

    const Maps& mappedObjects() const {
        own();
        return maps_;
    }
    // Write access to the maps forgets what was remembered about them.
    Maps& mappedObjectsWrite() {
        own();
        lookups_.reset();
        return maps_;
    }
    int mapCount() const { return static_cast<int>(lineMaps_ ? lineMaps_->size() : maps_.size()); }
    // REQUIRES: 0 <= i < mapCount(). A map stays where it is until the mapping is changed or
    // asked for its maps to change (mappedObjectsWrite, mappedObjects, non-const map).
    const VnObjectMap& map(int i) const {
        return lineMaps_ ? (*lineMaps_)[static_cast<size_t>(i)] : *maps_[static_cast<size_t>(i)];
    }
    VnObjectMap& map(int i) {
        own();
        lookups_.reset();
        return *maps_[static_cast<size_t>(i)];
    }
    void appendMap(const VnObjectMap& map);
    // Bad indices print "*Error* Invalid index passed to insert.\n" (or "... remove.\n").
    Acad::ErrorStatus insertMapAt(int i, const VnObjectMap& map);
    Acad::ErrorStatus removeMapAt(int i);
    void removeAllMaps() {
        lookups_.reset();
        lineMaps_.reset();
        maps_.clear();
    }

    // Mode 1 for a non-empty group name.
    Acad::ErrorStatus initFromModuleGroup(Ktx_String group);
    // Mode 2: the maps of the data's mapping key in the mapping file of the data's standard.
    // Fails when the data has no macro or names a module group.
    Acad::ErrorStatus initFromMacro(VnDlgStandardsData& data);

    // Reads / writes the macro property linked to a spreadsheet variable. Mode 1 uses the variable
    // name as a module variable path in each module of the data's group (the first successful read
    // wins; a write goes to every module and then fails, as mode 1 has no maps); other modes use
    // the variable's map. Fails without macro. `pass` as for VnObjectMap.
    Acad::ErrorStatus getMacroVarValue(const Ktx_String& ssVar, const VnValueType& type,
                                       Ktx_String& value, VnDlgStandardsData& data,
                                       VnMacroPass* pass = nullptr);
    Acad::ErrorStatus setMacroVarValue(const Ktx_String& ssVar, const VnValueType& type,
                                       Ktx_String& value, VnDlgStandardsData& data,
                                       VnMacroPass* pass = nullptr);

    // First map whose kind has value type `type` and whose ssVarName is ssVar (case folded).
    // `slot` (>= 0) names the variable's place in a pass: the answer for maps taken from a kept
    // line is remembered there and taken again for the same name and type.
    Acad::ErrorStatus findSSVar(const Ktx_String& ssVar, const VnValueType& type, int& index,
                                int slot = -1) const;
    // First map compatible with `map`.
    Acad::ErrorStatus findCompatible(const VnObjectMap& map, int& index) const;
    // Always eOk; count = the maps of this mapping that other has nothing compatible for.
    Acad::ErrorStatus isCompatible(const VnSSMapping& other, int& count) const;
    // True when every map of this mapping has a compatible map in other for the same
    // spreadsheet variable and type. An empty mapping equals anything; not symmetric.
    bool isEqual(const VnSSMapping& other) const;
    // Indices of the maps whose kind's value type is of the family of `type`.
    void getValidVars(const bool& unused, const VnValueType& type, AcArray<int>& indices) const;
    // Reorders `indices`: those that occur in `order` first, in the order of `order`, then the
    // rest ascending. Keeps every index; the same input gives the same result.
    void sortValidVars(AcArray<int>& indices, const AcArray<int>& order) const;

    // Appends the catalogue of everything in the macro that can be mapped.
    Acad::ErrorStatus initAllVarsFromMacro(Ktx_DbMacro* macro, AcTransaction* tr);

    // The mapping file of standard ssName (see mapping_file.h).
    Acad::ErrorStatus getMappingFromFile(Ktx_String ssName, const Ktx_String& key);
    Acad::ErrorStatus setMappingToFile(Ktx_String ssName, const Ktx_String& key);
    Acad::ErrorStatus initMappingFromLine(const Ktx_String& line);
    // True when a line of the file is a mapping this mapping is equal to; key gets its key.
    bool hasSameMapping(const Ktx_String& ssName, Ktx_String& key);

  private:
    // The maps of one mapping line in place of the current ones; a line without "=" (hasMaps
    // false) leaves none and is refused.
    Acad::ErrorStatus takeLineMaps(bool hasMaps, const std::vector<VnObjectMap>& maps);
    // The same for the maps of a kept line, shared until they are written to.
    Acad::ErrorStatus shareLineMaps(bool hasMaps,
                                    std::shared_ptr<const std::vector<VnObjectMap>> maps,
                                    std::shared_ptr<VnMapLookups> lookups);
    // Copies shared line maps into maps_ (a mapping about to be changed, or asked for maps_).
    void own() const;
    Acad::ErrorStatus searchSSVar(const Ktx_String& ssVar, const VnValueType& type,
                                  int& index) const;
    Acad::ErrorStatus moduleGroupValue(const Ktx_String& ssVar, const VnValueType& type,
                                       Ktx_String& value, VnDlgStandardsData& data, bool get);
    void addAllVariables(const Ktx_Module& module, const Ktx_String& objectName);
    void addAllCuts(const Ktx_Module& module, const Ktx_String& objectName);
    void addAllPatterns(const Ktx_Module& module, const Ktx_String& objectName);
    void addAllProfPlacements(const Ktx_Module& module, const Ktx_String& objectName);
    void addAllBaseProfs(Ktx_Macro& macro);
    void addAllGenVars(const Ktx_Macro& macro);
    void addMap(const Ktx_String& objectName, const Ktx_String& varName, VnMapKind kind,
                int visibility, const Ktx_String& label = Ktx_String());

    // The maps: maps_, or, while they are a kept mapping line's unchanged (maps_ empty), that
    // line's maps, shared.
    mutable Maps maps_;
    mutable std::shared_ptr<const std::vector<VnObjectMap>> lineMaps_;
    // Set while the maps are those of a kept mapping line, unchanged.
    std::shared_ptr<VnMapLookups> lookups_;
};

// Prints a mapping to the command line.
void dumpMapping(const VnSSMapping& mapping);
