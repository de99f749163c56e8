#include "section_types.h"

#include <array>
#include <cstdlib>
#include <vector>

#include "dial_string.h"

namespace {

struct SectionTypeInfo {
    const char* imageBase;
    int displayKey;
    std::vector<SectionValueKey> values;
};

// Shorthands for the value-name table: a key alone, and a key followed by a digit.
SectionValueKey k(int key) {
    return {key, -1};
}
SectionValueKey kd(int key, int digit) {
    return {key, digit};
}

const std::vector<SectionTypeInfo>& typeTable() {
    static const std::vector<SectionValueKey> plated = {k(736), k(737), k(738), k(739),
                                                        k(741), k(742), k(745), k(746)};
    static const std::vector<SectionValueKey> omega = {k(736), k(737), k(744), k(753)};
    static const std::vector<SectionTypeInfo> types = {
        {"ProfSectionI", 719, {k(736), k(737), k(738), k(739), k(740)}},
        {"ProfSectionCL", 720, {k(736), k(737), k(738), k(739)}},
        {"ProfSectionHL", 721, {k(736), k(737), k(738), k(739), k(741), k(742)}},
        {"ProfSectionCU", 722, {k(736), kd(743, 1), kd(743, 2), k(744)}},
        {"ProfSectionT", 723, {k(736), k(737), k(738), k(739), k(741)}},
        {"ProfSectionOI", 724, plated},
        {"ProfSectionOU", 725, plated},
        {"ProfSectionRect", 726, {k(737), k(744)}},
        {"ProfSectionRound", 727, {k(747)}},
        {"ProfSectionRectTube", 728, {k(736), k(737), k(744), k(740)}},
        {"ProfSectionRoundTube", 729, {k(747), k(744)}},
        {"ProfSectionC", 730, {k(736), k(737), k(748), k(744)}},
        {"ProfSectionZ", 731, {k(736), kd(749, 1), kd(750, 1), kd(750, 2), kd(749, 2), k(744)}},
        {"ProfSectionV", 732, {k(751), k(744), k(752)}},
        {"ProfSectionO", 733, omega},
        {"ProfSectionQ", 734, omega},
        {"ProfSectionCuttedI", 735, {k(736), k(737), k(738), k(739), k(741)}},
        {"ProfSectionSigma",
         1677,
         {k(736), k(737), k(744), kd(1684, 1), kd(1684, 2), k(1685), k(1686)}},
        {"ProfSectionSigma+",
         1678,
         {k(736), k(737), k(744), kd(1684, 1), kd(1684, 2), k(1685), kd(1686, 1), kd(1686, 2),
          k(1687)}},
        {"ProfSectionSigma Sleeve",
         1679,
         {k(736), k(737), k(744), kd(1684, 1), kd(1684, 2), k(1685)}},
        {"ProfSectionC+", 1680, {k(736), k(737), kd(749, 1), k(744), kd(749, 2), k(1687)}},
        {"ProfSectionC Sleeve", 1681, {k(736), k(749), k(737), k(744)}},
        {"ProfSectionSingle Cleat", 1682, {k(736), k(737), k(744), kd(737, 2), k(1686)}},
        {"ProfSectionDouble Cleat",
         1683,
         {k(736), k(737), k(744), kd(737, 1), kd(737, 2), k(1686), k(1687)}},
    };
    return types;
}

const SectionTypeInfo* typeInfo(int type) {
    if (type < kFirstSectionType || type > kLastSectionType) return nullptr;
    return &typeTable()[static_cast<size_t>(type - kFirstSectionType)];
}

}  // namespace

Ktx_String sectionTypeImageBase(int type) {
    const SectionTypeInfo* info = typeInfo(type);
    return info ? Ktx_String(info->imageBase) : Ktx_String();
}

Ktx_String sectionTypeDisplayName(int type) {
    const SectionTypeInfo* info = typeInfo(type);
    return info ? dialString(info->displayKey) : Ktx_String();
}

Ktx_String sectionTypeDisplayEntry(int type) {
    return "<" + sectionTypeDisplayName(type) + ">";
}

int sectionTypeFromDisplayEntry(const Ktx_String& entry) {
    for (int type = kFirstSectionType; type <= kLastSectionType; ++type) {
        if (sectionTypeDisplayEntry(type) == entry) return type;
    }
    return -1;
}

const SectionValueKey* sectionTypeValueKeys(int type, int& count) {
    const SectionTypeInfo* info = typeInfo(type);
    count = info ? static_cast<int>(info->values.size()) : 0;
    return info ? info->values.data() : nullptr;
}

Ktx_StringArray sectionTypeValueNames(int type) {
    Ktx_StringArray names;
    int count = 0;
    const SectionValueKey* keys = sectionTypeValueKeys(type, count);
    for (int i = 0; i < count; ++i) {
        Ktx_String text = dialString(keys[i].key);
        if (keys[i].digit >= 0) text += static_cast<char>('0' + keys[i].digit);
        names.append(text);
    }
    return names;
}

bool isDrawingShape(const Ktx_String& shape) {
    return shape.endsWith(".dwg");
}

int shapeTypeNumber(const Ktx_String& shape) {
    return isDrawingShape(shape) ? 0 : std::atoi(shape.c_str());
}

Ktx_String shapeDisplayEntry(const Ktx_String& shape) {
    return isDrawingShape(shape) ? shape : sectionTypeDisplayEntry(shapeTypeNumber(shape));
}

Ktx_String shapeFromDisplayEntry(const Ktx_String& entry) {
    const int type = sectionTypeFromDisplayEntry(entry);
    return type > 0 ? Ktx_String(type) : entry;
}
