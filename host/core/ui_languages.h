#pragma once
// The user-interface languages of the product and the macro language table.
//
// Languages, in this order: English, Dutch, German, French, Korean (index 0..4). English is
// current at start.
//
// The macro language table translates names (macro file names, value column names, ...) into
// the current language. It is read from the library: libDir + "Texts\\Macro Names.txt", a text
// file of tab-separated lines "section<TAB>name<TAB>English<TAB>Dutch<TAB>German<TAB>French
// <TAB>Korean" (trailing columns may be missing; an empty or missing translation falls back to
// English, then to the default). Lines starting with "#" are comments. The file is read on
// first use and again whenever libDir changes.
#include <memory>

#include "ktx_string.h"
#include "ktx_string_array.h"

class Ktx_MacroLangs {
  public:
    Ktx_MacroLangs();
    ~Ktx_MacroLangs();

    // The names of all languages, in order.
    void GetAllLanguages(Ktx_StringArray& names) const;
    Ktx_StringArray GetAllLanguages() const;
    int getNrLanguages() const;
    // The current language's name and index.
    Ktx_String GetCurLanguage() const;
    int getCurLanguageIndex() const { return current_; }
    // False (nothing changed) for an index outside the list / an unknown name (letter case
    // ignored).
    bool setCurLanguage(int index);
    bool setCurLanguage(const Ktx_String& name);

    // name in the current language, looked up in section (the empty section is the general
    // one); defaultText when there is no entry, or name itself when defaultText is empty.
    Ktx_String GetString(const Ktx_String& name, const Ktx_String& section = "",
                         const Ktx_String& defaultText = "") const;
    // As GetString, with blanks around the text removed and the text cut to at most maxChars
    // bytes.
    Ktx_String GetStringChopSymbols(const Ktx_String& name, int maxChars) const;

    // Forgets the loaded table and makes English current.
    void reset();

  private:
    struct Table;
    const Table& table() const;

    int current_ = 0;
    mutable std::unique_ptr<Table> table_;
};

extern Ktx_MacroLangs gMacroLangs;
