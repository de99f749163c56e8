#include "bolt_assemblies.h"

namespace {

struct Assembly {
    const char* name;
    std::initializer_list<const char*> diameters;
};

const Assembly kAssemblies[] = {
    {"Standard", {"12", "16", "20", "24", "27", "30"}},
    {"8.8", {"M12", "M16", "M20", "M24", "M27", "M30"}},
    {"10.9", {"M12", "M16", "M20", "M22", "M24", "M27", "M30", "M36"}},
    {"HV 10.9", {"M16", "M20", "M22", "M24", "M27", "M30", "M36"}},
};

}  // namespace

void getBoltAssemblies(Ktx_StringArray& names) {
    names.setLogicalLength(0);
    for (const Assembly& a : kAssemblies) names.append(a.name);
}

bool getBoltDiameters(const Ktx_String& assembly, Ktx_StringArray& diameters) {
    diameters.setLogicalLength(0);
    for (const Assembly& a : kAssemblies) {
        if (assembly != a.name) continue;
        for (const char* d : a.diameters) diameters.append(d);
        return true;
    }
    return false;
}
