#include "section_translation.h"

#include <string>

#include "ktx_properties_list.h"
#include "win.h"

namespace {

constexpr int kText = 1000, kNames = 1001, kTranslations = 1002;
constexpr DWORD kLines =
    ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_BORDER | WS_TABSTOP;

const DialogTemplateRegistration kTemplate(
    {kSectionTranslationResourceId,
     "",
     kDialogStyle,
     0,
     0,
     260,
     200,
     {
         {kText, WC_STATIC, SS_LEFT, 0, "", 7, 7, 246, 20},
         {kNames, WC_EDIT, kLines, 0, "", 7, 30, 121, 142},
         {kTranslations, WC_EDIT, kLines, 0, "", 132, 30, 121, 142},
         {IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, "OK", 148, 179, 50, 14},
         {IDCANCEL, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "Cancel", 203, 179, 50, 14},
     }});

Ktx_String joinLines(const Ktx_StringArray& lines) {
    std::string out;
    for (int i = 0; i < lines.length(); ++i) out += (i ? "\r\n" : "") + lines[i].str();
    return out;
}

Ktx_StringArray splitLines(const Ktx_String& text) {
    Ktx_StringArray lines;
    std::string line;
    for (char c : text.str() + "\n") {
        if (c == '\n') {
            lines.append(line);
            line.clear();
        } else if (c != '\r') {
            line += c;
        }
    }
    return lines;
}

class SectionTranslationDlg : public CDialog {
  public:
    SectionTranslationDlg(const Ktx_String& caption, const Ktx_String& text, Ktx_StringArray& names,
                          Ktx_StringArray& translations)
        : CDialog(kSectionTranslationResourceId),
          caption_(caption),
          text_(text),
          names_(names),
          translations_(translations) {}

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        SetWindowText(caption_.c_str());
        SetDlgItemText(kText, text_.c_str());
        SetDlgItemText(kNames, joinLines(names_).c_str());
        SetDlgItemText(kTranslations, joinLines(translations_).c_str());
        return TRUE;
    }
    void OnOK() override {
        std::string names, translations;
        GetDlgItemText(kNames, names);
        GetDlgItemText(kTranslations, translations);
        sectionTranslationFromLines(names, translations, names_, translations_);
        CDialog::OnOK();
    }

  private:
    Ktx_String caption_, text_;
    Ktx_StringArray& names_;
    Ktx_StringArray& translations_;
};

}  // namespace

bool readSectionTranslation(const Ktx_String& file, Ktx_StringArray& names,
                            Ktx_StringArray& translations) {
    names.removeAll();
    translations.removeAll();
    Ktx_PropertiesList list;
    if (list.readFromFile(file) != Acad::eOk) return false;
    for (const Ktx_String& key : list.keys()) {
        Ktx_String value;
        list.getProperty(key, value);
        names.append(key);
        translations.append(value);
    }
    return true;
}

void sectionTranslationFromLines(const Ktx_String& nameLines, const Ktx_String& translationLines,
                                 Ktx_StringArray& names, Ktx_StringArray& translations) {
    const Ktx_StringArray left = splitLines(nameLines);
    const Ktx_StringArray right = splitLines(translationLines);
    Ktx_PropertiesList pairs;
    for (int i = 0; i < left.length(); ++i)
        pairs.setProperty(left[i], i < right.length() ? right[i] : Ktx_String());
    names.removeAll();
    translations.removeAll();
    for (const Ktx_String& key : pairs.keys()) {
        Ktx_String value;
        pairs.getProperty(key, value);
        names.append(key);
        translations.append(value);
    }
}

bool sectionTranslationWrite(const Ktx_String& file, const Ktx_StringArray& names,
                             const Ktx_StringArray& translations) {
    Ktx_PropertiesList list;
    for (int i = 0; i < names.length(); ++i)
        list.setProperty(names[i], i < translations.length() ? translations[i] : Ktx_String());
    return list.writeToFile(file) == Acad::eOk;
}

bool writeSectionTranslation(const Ktx_String& caption, const Ktx_String& text,
                             Ktx_StringArray& names, Ktx_StringArray& translations,
                             const Ktx_String& file) {
    Ktx_StringArray editedNames = names, editedTranslations = translations;
    SectionTranslationDlg dialog(caption, text, editedNames, editedTranslations);
    if (dialog.DoModal() != IDOK) return false;
    names = editedNames;
    translations = editedTranslations;
    return sectionTranslationWrite(file, names, translations);
}
