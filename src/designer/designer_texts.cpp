#include "designer_texts.h"

#include "core.h"

namespace {

Ktx_String joinedTexts(std::initializer_list<int> keys) {
    Ktx_String out;
    for (int key : keys) {
        if (!out.isEmpty()) out += ";";
        out += dialString(key);
    }
    return out;
}

}  // namespace

Ktx_StringArray designerTypeNames() {
    Ktx_StringArray names;
    for (int key = 799; key <= 802; ++key) names.append(dialString(key));
    names.append(dialString(803) + " 1: " + dialString(2220));
    names.append(dialString(803) + " 2: " + dialString(2220));
    for (int key = 804; key <= 823; ++key) names.append(dialString(key));
    for (int key : {1315, 1341, 1404, 1405, 1428}) names.append(dialString(key));
    return names;
}

Ktx_String designerTypeDescription(int type) {
    switch (type) {
        case 0:
        case 1:
        case 25:
        case 26:
        case 29:
            return dialString(827);
        case 2:
        case 3:
            return dialString(828);
        case 4:
        case 5:
        case 6:
            return dialString(829);
        case 13:
        case 14:
        case 15:
        case 16:
        case 17:
            return dialString(830);
        case 18:
        case 19:
        case 20:
        case 21:
        case 22:
        case 23:
        case 24:
            return dialString(831);
        case 28:
            return dialString(1406);
        case 30:
            return dialString(1429);
        default:
            return {};
    }
}

bool designerTypeHasExtension(int type) {
    switch (type) {
        case 0:
        case 1:
        case 3:
        case 23:
        case 25:
        case 26:
        case 27:
        case 29:
        case 30:
            return true;
        default:
            return false;
    }
}

Ktx_String designerExtensionCaption(int type) {
    switch (type) {
        case 0:
        case 1:
            return dialString(1403);
        case 3:
            return dialString(833);
        case 23:
            return dialString(834);
        case 27:
            return dialString(1342);
        case 29:
            return dialString(828);
        case 30:
            return joinedTexts({705, 1430, 1431});
        case 25:
            return joinedTexts({1316, 1317, 1318, 1319});
        case 26:
            return joinedTexts({1316, 1317, 1320, 1319});
        default:
            return {};
    }
}
