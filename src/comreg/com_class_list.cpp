#include "com_class_list.h"

namespace {

struct ClassRow {
    const char* className;
    const char* classId;
    const char* interfaceName;  // nullptr: the class has no interface of its own
    const char* interfaceId;
};

const char* const kTypeLibId = "{51A4A0BB-3E42-4CE5-9535-C741EE32EB77}";

const ClassRow kClasses[] = {
    {"Bolt", "{1AD846C7-09D4-4381-A6A4-A79E22A8ADD1}", "IBolt",
     "{3CD6F50C-6079-44CF-9058-F5210839C280}"},
    {"Prof", "{099ED5DE-A6DB-452B-AE25-FD4214301D0F}", "IProf",
     "{BE899C0F-D214-4F00-B880-8FB90E7F1C9D}"},
    {"Struct", "{E24E57D4-6866-428E-8041-BFEBE44C0138}", "IStruct",
     "{42F11ED4-00A3-41BF-B879-04AAD16B6139}"},
    {"Plate", "{9BE27D35-5DBE-450C-ACBF-425613354C60}", "IPlate",
     "{2B5102EC-6EEC-4573-BF0A-C3A02BEA83DD}"},
    {"DynProp", "{0475F6C9-9212-4627-B79C-A0F32E6C0DE7}", nullptr, nullptr},
    {"FuncPage", "{4F1595F8-94B9-40A2-B1DC-CF436E1727AE}", nullptr, nullptr},
    {"FuncPage2", "{972EA019-8BE1-47C2-B157-A214DA4220D6}", nullptr, nullptr},
    {"FuncPage3", "{0FD744E2-3046-407B-A19A-ED1C5DDD32AB}", nullptr, nullptr},
    {"ZoomPage", "{43BA6B05-9E03-4E59-9A59-1F6E96FC9804}", nullptr, nullptr},
    {"Macro", "{D2CFD6C9-3A09-489A-A045-0ECF99814C9C}", "IMacro",
     "{BD9A372F-17B0-4D0E-8993-716E87330806}"},
    {"Array", "{955ED206-58BC-4C19-B5A6-372F8C00F456}", "IArray",
     "{E832433D-8025-4EBC-96E7-A24C665B7A6F}"},
    {"Coordsys", "{4E808D21-E3E7-4207-B165-D3975AF5BA6A}", "ICoordsys",
     "{F625425D-2E3E-4733-8DEA-5D2922A74BCE}"},
    {"Pattern", "{CD946B64-7783-452E-A0FD-FE158F02E49D}", "IPattern",
     "{BE7CDC3A-F7DB-466D-ACA3-330F5689715F}"},
    {"Helix", "{E1F6B08D-DAEE-4E7F-862F-9BB738A9674C}", "IHelix",
     "{2D833BCC-0A08-4ED9-B393-A2FF7E5893EF}"},
    {"OPMBody", "{FCC17969-8316-4346-80C9-E5F4F905DAFC}", "IOPMBody",
     "{5D9EE843-E570-4415-B671-8B35BD7DC835}"},
};

// The constants above are well-formed; a damaged one would give the zero identifier, which a
// test catches.
GUID idFromText(const char* text) {
    return guidFromString(text).value_or(GUID{});
}

}  // namespace

VnComClassList buildComClassList() {
    VnComClassList list;
    list.typeLibId = idFromText(kTypeLibId);
    for (const ClassRow& row : kClasses) {
        list.classNames.append(row.className);
        list.classIds.append(idFromText(row.classId));
        if (row.interfaceName == nullptr) continue;
        list.interfaceNames.append(row.interfaceName);
        list.interfaceIds.append(idFromText(row.interfaceId));
    }
    return list;
}

Ktx_String comIdText(REFCLSID id) {
    LPOLESTR text = nullptr;
    if (FAILED(StringFromCLSID(id, &text)) || text == nullptr) return Ktx_String();
    Ktx_String result(text);
    CoTaskMemFree(text);
    return result;
}
