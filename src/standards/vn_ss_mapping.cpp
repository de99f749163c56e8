#include "vn_ss_mapping.h"

#include <algorithm>
#include <utility>

#include "macro_var_path.h"
#include "vn_dlg_standards_data.h"
#include "vn_macro_pass.h"

VnSSMapping::VnSSMapping(const VnSSMapping& other) {
    *this = other;
}

VnSSMapping& VnSSMapping::operator=(const VnSSMapping& other) {
    if (this == &other) return *this;
    mode = other.mode;
    lookups_ = other.lookups_;
    lineMaps_ = other.lineMaps_;
    maps_.resize(other.maps_.size());
    for (size_t i = 0; i < maps_.size(); ++i) {
        if (!maps_[i]) maps_[i] = std::make_unique<VnObjectMap>();
        *maps_[i] = *other.maps_[i];
    }
    return *this;
}

void VnSSMapping::own() const {
    if (!lineMaps_) return;
    std::shared_ptr<const std::vector<VnObjectMap>> line = std::move(lineMaps_);
    lineMaps_.reset();
    maps_.clear();
    maps_.reserve(line->size());
    for (const VnObjectMap& map : *line) maps_.push_back(std::make_unique<VnObjectMap>(map));
}

void VnSSMapping::appendMap(const VnObjectMap& map) {
    own();
    lookups_.reset();
    maps_.push_back(std::make_unique<VnObjectMap>(map));
}

Acad::ErrorStatus VnSSMapping::insertMapAt(int i, const VnObjectMap& map) {
    if (i < 0 || i > mapCount()) {
        acutPrintf("*Error* Invalid index passed to insert.\n");
        return Acad::eInvalidInput;
    }
    own();
    lookups_.reset();
    maps_.insert(maps_.begin() + i, std::make_unique<VnObjectMap>(map));
    return Acad::eOk;
}

Acad::ErrorStatus VnSSMapping::removeMapAt(int i) {
    if (i < 0 || i >= mapCount()) {
        acutPrintf("*Error* Invalid index passed to remove.\n");
        return Acad::eInvalidInput;
    }
    own();
    lookups_.reset();
    maps_.erase(maps_.begin() + i);
    return Acad::eOk;
}

Acad::ErrorStatus VnSSMapping::initFromModuleGroup(Ktx_String group) {
    if (group.isEmpty()) return Acad::eInvalidInput;
    mode = 1;
    return Acad::eOk;
}

Acad::ErrorStatus VnSSMapping::initFromMacro(VnDlgStandardsData& data) {
    if (!data.macro || !data.moduleName.isEmpty()) return Acad::eInvalidInput;
    mode = 2;
    return getMappingFromFile(data.fileName, data.mappingKey);
}

Acad::ErrorStatus VnSSMapping::moduleGroupValue(const Ktx_String& ssVar, const VnValueType& type,
                                                Ktx_String& value, VnDlgStandardsData& data,
                                                bool get) {
    Ktx_StringArray names;
    if (getModNamesOfGroup(data.macro, data.moduleName, names) != Acad::eOk)
        return Acad::eInvalidInput;
    bool written = false;
    for (int i = 0; i < names.length(); ++i) {
        Ktx_Module* module = nullptr;
        if (openModule(data.macro, names[i], module, true) != Acad::eOk) continue;
        Acad::ErrorStatus es = getSetModuleVarPath(ssVar, type, data.macro, module, data.macroData,
                                                   value, get, data.transaction);
        if (es != Acad::eOk) continue;
        if (get) return Acad::eOk;
        written = true;
    }
    return written ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus VnSSMapping::getMacroVarValue(const Ktx_String& ssVar, const VnValueType& type,
                                                Ktx_String& value, VnDlgStandardsData& data,
                                                VnMacroPass* pass) {
    if (!data.macro) return Acad::eInvalidInput;
    data.macro->assertWriteEnabled();
    if (mode == 1) return moduleGroupValue(ssVar, type, value, data, true);
    int index = -1;
    if (findSSVar(ssVar, type, index, pass ? pass->slot : -1) != Acad::eOk)
        return Acad::eInvalidInput;
    return std::as_const(*this).map(index).getMacroVarValue(data.macro, data.macroData, value,
                                                            data.transaction, pass);
}

Acad::ErrorStatus VnSSMapping::setMacroVarValue(const Ktx_String& ssVar, const VnValueType& type,
                                                Ktx_String& value, VnDlgStandardsData& data,
                                                VnMacroPass* pass) {
    if (!data.macro) return Acad::eInvalidInput;
    data.macro->assertWriteEnabled();
    // A module group writes every module of the group; with no map of that name the result
    // says whether any module took the value.
    const Acad::ErrorStatus group =
        mode == 1 ? moduleGroupValue(ssVar, type, value, data, false) : Acad::eInvalidInput;
    int index = -1;
    if (findSSVar(ssVar, type, index, pass ? pass->slot : -1) != Acad::eOk) return group;
    return std::as_const(*this).map(index).setMacroVarValue(data.macro, data.macroData, value,
                                                            data.transaction, pass);
}

Acad::ErrorStatus VnSSMapping::findSSVar(const Ktx_String& ssVar, const VnValueType& type,
                                         int& index, int slot) const {
    constexpr int kMaxSlots = 4096;
    if (!lookups_ || slot < 0 || slot >= kMaxSlots) return searchSSVar(ssVar, type, index);
    std::vector<VnMapLookups::Entry>& entries = lookups_->bySlot;
    if (static_cast<size_t>(slot) >= entries.size()) entries.resize(static_cast<size_t>(slot) + 1);
    VnMapLookups::Entry& e = entries[static_cast<size_t>(slot)];
    if (!e.known || e.type != type || e.name != ssVar.str()) {
        e.found = searchSSVar(ssVar, type, e.index) == Acad::eOk;
        e.name = ssVar.str();
        e.type = type;
        e.known = true;
    }
    if (e.found) index = e.index;
    return e.found ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus VnSSMapping::searchSSVar(const Ktx_String& ssVar, const VnValueType& type,
                                           int& index) const {
    for (int i = 0; i < mapCount(); ++i) {
        const Ktx_String& name = map(i).ssVarName;
        // Names of another length differ in any letter case: the usual mismatch, found inline.
        if (name.length() != ssVar.length() || !name.equal(ssVar, false)) continue;
        VnValueType kindType = VnValueString;
        if (!mapKindValueType(map(i).kind, kindType) || kindType != type) continue;
        index = i;
        return Acad::eOk;
    }
    return Acad::eInvalidInput;
}

Acad::ErrorStatus VnSSMapping::findCompatible(const VnObjectMap& other, int& index) const {
    for (int i = 0; i < mapCount(); ++i) {
        if (map(i).isCompatible(other) != Acad::eOk) continue;
        index = i;
        return Acad::eOk;
    }
    return Acad::eInvalidInput;
}

Acad::ErrorStatus VnSSMapping::isCompatible(const VnSSMapping& other, int& count) const {
    count = 0;
    for (int i = 0; i < mapCount(); ++i) {
        int index = -1;
        if (other.findCompatible(map(i), index) != Acad::eOk) ++count;
    }
    return Acad::eOk;
}

bool VnSSMapping::isEqual(const VnSSMapping& other) const {
    for (int i = 0; i < mapCount(); ++i) {
        VnValueType type = VnValueString;
        int index = -1;
        if (!mapKindValueType(map(i).kind, type)) return false;
        if (other.findSSVar(map(i).ssVarName, type, index) != Acad::eOk) return false;
        if (other.map(index).isCompatible(map(i)) != Acad::eOk) return false;
    }
    return true;
}

void VnSSMapping::getValidVars(const bool& /*unused*/, const VnValueType& type,
                               AcArray<int>& indices) const {
    indices.removeAll();
    for (int i = 0; i < mapCount(); ++i) {
        VnValueType kindType = VnValueString;
        if (mapKindValueType(map(i).kind, kindType) && isSameValueFamily(kindType, type))
            indices.append(i);
    }
}

void VnSSMapping::sortValidVars(AcArray<int>& indices, const AcArray<int>& order) const {
    std::vector<int> sorted(indices.begin(), indices.end());
    auto rank = [&order](int v) {
        int pos = order.find(v);
        return pos >= 0 ? pos : order.length();
    };
    std::stable_sort(sorted.begin(), sorted.end(), [&rank](int a, int b) {
        const int ra = rank(a), rb = rank(b);
        return ra != rb ? ra < rb : a < b;
    });
    indices.removeAll();
    for (int v : sorted) indices.append(v);
}

void dumpMapping(const VnSSMapping& mapping) {
    acutPrintf("---Mapping---\n");
    for (int i = 0; i < mapping.mapCount(); ++i) {
        const VnObjectMap& m = mapping.map(i);
        acutPrintf("SSVar: %s Module: %s ObjName: %s \n", m.ssVarName.c_str(), m.objectName.c_str(),
                   m.varName.c_str());
    }
    acutPrintf("---Mapping end---\n\n");
}
