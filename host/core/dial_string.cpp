#include "dial_string.h"

#include <map>
#include <string>

#include "core_reset.h"
#include "file_search.h"
#include "ui_languages.h"
#include "ktx_properties_list.h"
#include "ktx_settings.h"

namespace {

struct DialTables {
    Ktx_String libDir;
    std::map<std::string, Ktx_PropertiesList> byLanguage;
};

DialTables& tables() {
    static DialTables t;
    return t;
}

struct DialResetRegistrar {
    DialResetRegistrar() { coreAddResetHook(resetDialStrings); }
} dialResetRegistrar;

// The language's main file, then its sub-files "<language>-*.txt" in name order; a key in a
// later file replaces the same key of an earlier one. Damaged files are skipped whole.
Ktx_PropertiesList readTable(const Ktx_String& language) {
    const Ktx_String folder = gSettings.libDir + "Texts\\";
    Ktx_StringArray files;
    ObjectExportFindFiles(folder, language + "-*.txt", files);
    files.insertAt(0, folder + language + ".txt");
    Ktx_PropertiesList merged;
    for (const auto& file : files) {
        Ktx_PropertiesList part;
        if (part.readFromFile(file) != Acad::eOk) continue;
        for (const auto& key : part.keys()) {
            Ktx_String text;
            part.getProperty(key, text);
            merged.setProperty(key, text);
        }
    }
    return merged;
}

const Ktx_PropertiesList& tableOf(const Ktx_String& language) {
    DialTables& t = tables();
    if (!(t.libDir == gSettings.libDir)) t = DialTables{gSettings.libDir, {}};
    auto it = t.byLanguage.find(language.str());
    if (it != t.byLanguage.end()) return it->second;
    return t.byLanguage.emplace(language.str(), readTable(language)).first->second;
}

Ktx_String textIn(const Ktx_String& language, int key) {
    Ktx_String text;
    if (tableOf(language).getProperty(Ktx_String(key), text)) return text;
    if (!language.equal("English") && tableOf("English").getProperty(Ktx_String(key), text)) {
        return text;
    }
    return "#" + Ktx_String(key);
}

}  // namespace

Ktx_String dialString(int key) {
    return textIn(gMacroLangs.GetCurLanguage(), key);
}

Ktx_StringArray dialStringAllLangs(int key) {
    Ktx_StringArray texts;
    for (const auto& language : gMacroLangs.GetAllLanguages()) texts.append(textIn(language, key));
    return texts;
}

void resetDialStrings() {
    tables() = DialTables{};
}
