#include "ui_languages.h"

#include <map>
#include <utility>
#include <vector>

#include "core_reset.h"
#include "ktx_settings.h"
#include "string_helpers.h"
#include "text_file.h"

namespace {

const char* const kLanguages[] = {"English", "Dutch", "German", "French", "Korean"};
constexpr int kLanguageCount = 5;

}  // namespace

struct Ktx_MacroLangs::Table {
    Ktx_String loadedFrom;
    // (section, name) -> texts per language.
    std::map<std::pair<std::string, std::string>, std::vector<Ktx_String>> entries;
};

Ktx_MacroLangs gMacroLangs;

namespace {
struct MacroLangsResetRegistrar {
    MacroLangsResetRegistrar() {
        coreAddResetHook([] { gMacroLangs.reset(); });
    }
} macroLangsResetRegistrar;
}  // namespace

Ktx_MacroLangs::Ktx_MacroLangs() = default;

Ktx_MacroLangs::~Ktx_MacroLangs() = default;

void Ktx_MacroLangs::GetAllLanguages(Ktx_StringArray& names) const {
    names.removeAll();
    for (const char* name : kLanguages) names.append(name);
}

Ktx_StringArray Ktx_MacroLangs::GetAllLanguages() const {
    Ktx_StringArray names;
    GetAllLanguages(names);
    return names;
}

int Ktx_MacroLangs::getNrLanguages() const {
    return kLanguageCount;
}

Ktx_String Ktx_MacroLangs::GetCurLanguage() const {
    return kLanguages[current_];
}

bool Ktx_MacroLangs::setCurLanguage(int index) {
    if (index < 0 || index >= kLanguageCount) return false;
    current_ = index;
    return true;
}

bool Ktx_MacroLangs::setCurLanguage(const Ktx_String& name) {
    return setCurLanguage(GetAllLanguages().find(name, false));
}

const Ktx_MacroLangs::Table& Ktx_MacroLangs::table() const {
    const Ktx_String file = gSettings.libDir + "Texts\\Macro Names.txt";
    if (table_ && table_->loadedFrom == file) return *table_;
    if (!table_) table_ = std::make_unique<Table>();
    *table_ = Table{file, {}};
    Ktx_StringArray lines;
    if (!ObjectExportReadFile(file, lines)) return *table_;
    for (const auto& line : lines) {
        if (line.startsWith("#")) continue;
        Ktx_StringArray cells = strToArr(line, "\t");
        if (cells.length() < 3) continue;
        std::vector<Ktx_String> texts(cells.begin() + 2, cells.end());
        table_->entries[{cells[0].str(), cells[1].str()}] = std::move(texts);
    }
    return *table_;
}

Ktx_String Ktx_MacroLangs::GetString(const Ktx_String& name, const Ktx_String& section,
                                     const Ktx_String& defaultText) const {
    const Ktx_String fallback = defaultText.isEmpty() ? name : defaultText;
    const auto& entries = table().entries;
    auto it = entries.find({section.str(), name.str()});
    if (it == entries.end()) return fallback;
    const auto& texts = it->second;
    if (static_cast<size_t>(current_) < texts.size() && !texts[current_].isEmpty()) {
        return texts[current_];
    }
    return !texts.empty() && !texts[0].isEmpty() ? texts[0] : fallback;
}

Ktx_String Ktx_MacroLangs::GetStringChopSymbols(const Ktx_String& name, int maxChars) const {
    Ktx_String text = GetString(name);
    stripSymbols(text, ' ', true, true);
    return maxChars >= 0 ? text.getSubStringAt(0, maxChars) : text;
}

void Ktx_MacroLangs::reset() {
    current_ = 0;
    table_.reset();
}
