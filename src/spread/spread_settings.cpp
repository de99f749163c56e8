#include "spread_settings.h"

#include <charconv>
#include <string>
#include <variant>

#include "grid.h"
#include "ktx_spread.h"

namespace {

// One stored scalar field: its key and where it lives.
struct FieldEntry {
    const char* key;
    std::variant<Ktx_String SpreadSettings::*, int SpreadSettings::*, bool SpreadSettings::*>
        member;
};

// The scalar fields in their stored order.
const FieldEntry kFields[] = {
    {"headerFile", &SpreadSettings::headerFile},
    {"footerFile", &SpreadSettings::footerFile},
    {"defaultFont", &SpreadSettings::defaultFont},
    {"defaultTextHeight", &SpreadSettings::defaultTextHeight},
    {"marginLeft", &SpreadSettings::marginLeft},
    {"marginRight", &SpreadSettings::marginRight},
    {"marginTop", &SpreadSettings::marginTop},
    {"marginBottom", &SpreadSettings::marginBottom},
    {"smartPrint", &SpreadSettings::smartPrint},
    {"colors", &SpreadSettings::colors},
    {"colHeader", &SpreadSettings::colHeader},
    {"rowHeader", &SpreadSettings::rowHeader},
    {"cellSeperators", &SpreadSettings::cellSeperators},
    {"border", &SpreadSettings::border},
};

constexpr const char* kNamesKey = "varNames";
constexpr const char* kValuesKey = "varValues";

void appendEntry(std::string& out, std::string_view key, int type, std::string_view value) {
    out.append(key);
    out += SpreadSettings::kSeparator;
    out += std::to_string(type);
    out += SpreadSettings::kSeparator;
    out.append(value);
    out += SpreadSettings::kSeparator;
}

// A whole decimal number filling the whole text (an optional minus, then digits).
bool parseWhole(std::string_view text, int& value) {
    if (text.empty()) return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

bool isDigits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

// The list of `key`, or nullptr when the key is not a list key.
Ktx_StringArray* listFor(SpreadSettings& s, std::string_view key) {
    if (key == kNamesKey) return &s.varNames;
    if (key == kValuesKey) return &s.varValues;
    return nullptr;
}

}  // namespace

bool SpreadSettings::canStore(const Ktx_String& text) {
    for (char c : text.view())
        if (c == kSeparator || c == '\0') return false;
    return true;
}

bool SpreadSettings::toText(Ktx_String& text) const {
    std::string out;
    for (const FieldEntry& field : kFields) {
        bool storable = true;
        std::visit(
            [&](auto member) {
                const auto& value = this->*member;
                if constexpr (std::is_same_v<std::decay_t<decltype(value)>, Ktx_String>) {
                    storable = canStore(value);
                    appendEntry(out, field.key, kTypeText, value.view());
                } else {
                    appendEntry(out, field.key, kTypeWhole, std::to_string(int(value)));
                }
            },
            field.member);
        if (!storable) return false;
    }
    const std::pair<const char*, const Ktx_StringArray*> lists[] = {{kNamesKey, &varNames},
                                                                    {kValuesKey, &varValues}};
    for (const auto& [key, list] : lists) {
        for (int i = 0; i < list->length(); ++i) {
            if (!canStore((*list)[i])) return false;
            appendEntry(out, std::string(key) + std::to_string(i), kTypeText, (*list)[i].view());
        }
    }
    text = Ktx_String(std::move(out));
    return true;
}

bool SpreadSettings::fromText(const Ktx_String& text) {
    std::string_view rest = text.view();
    std::string_view parts[3];
    int partCount = 0;
    int entryCount = 0;
    for (char c : rest)
        if (c == kSeparator) ++entryCount;
    entryCount /= 3;
    bool allTaken = true;
    while (!rest.empty()) {
        const size_t end = rest.find(kSeparator);
        if (end == std::string_view::npos) return false;  // a cut-off entry at the end
        parts[partCount++] = rest.substr(0, end);
        rest.remove_prefix(end + 1);
        if (partCount < 3) continue;
        partCount = 0;
        int type = 0;
        if (!parseWhole(parts[1], type) || !applyEntry(parts[0], type, parts[2], entryCount))
            allTaken = false;
    }
    return allTaken && partCount == 0;
}

bool SpreadSettings::applyEntry(std::string_view key, int type, std::string_view value,
                                int entryCount) {
    for (const FieldEntry& field : kFields) {
        if (key != field.key) continue;
        return std::visit(
            [&](auto member) {
                auto& target = this->*member;
                using Field = std::decay_t<decltype(target)>;
                if constexpr (std::is_same_v<Field, Ktx_String>) {
                    if (type != kTypeText) return false;
                    target = Ktx_String(std::string(value));
                    return true;
                } else {
                    int number = 0;
                    if (type != kTypeWhole || !parseWhole(value, number)) return false;
                    target = static_cast<Field>(number);
                    return true;
                }
            },
            field.member);
    }
    return type == kTypeText && applyListEntry(key, value, entryCount);
}

// "varNames3": element 3 of varNames. An index can be no higher than the number of entries in
// the text, so a corrupted index cannot make a huge list; missing elements stay empty.
bool SpreadSettings::applyListEntry(std::string_view key, std::string_view value, int entryCount) {
    for (const char* listKey : {kNamesKey, kValuesKey}) {
        const std::string_view prefix = listKey;
        if (!key.starts_with(prefix) || !isDigits(key.substr(prefix.size()))) continue;
        int index = 0;
        if (!parseWhole(key.substr(prefix.size()), index) || index >= entryCount) return false;
        Ktx_StringArray& list = *listFor(*this, prefix);
        if (list.length() <= index) list.setLogicalLength(index + 1);
        list[index] = Ktx_String(std::string(value));
        return true;
    }
    return false;
}

bool SpreadSettings::setVariables(const Ktx_StringArray& names, const Ktx_StringArray& values) {
    if (names.length() != values.length()) return false;
    varNames = names;
    varValues = values;
    return true;
}

bool SpreadSettings::readFromGrid(Ktx_Spread& ss) {
    *this = SpreadSettings();
    grid = ss.gridWindow();
    if (!grid) return false;
    loaded = true;
    Ktx_String tag;
    ss.getCellText(0, 0, tag, CellTextKind::Tag);
    return fromText(tag);
}

bool SpreadSettings::writeToGrid(Ktx_Spread& ss) const {
    if (!loaded || !grid || ss.gridWindow() != grid) return false;
    Ktx_String text;
    if (!toText(text)) return false;
    return SSSetCellTag(grid, 0, 0, text.c_str());
}

bool spreadSetVariables(Ktx_Spread& ss, const Ktx_StringArray& names,
                        const Ktx_StringArray& values) {
    SpreadSettings settings;
    settings.readFromGrid(ss);
    return settings.setVariables(names, values) && settings.writeToGrid(ss);
}
