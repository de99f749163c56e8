#pragma once
// The Core library's section selection dialog: a two-level tree of the section tables
// (gSectionTables, read from the library when none is loaded) and their sizes, shown as a list
// of tables and a list of the chosen table's sizes (their user names). OK with a size chosen
// gives its full section name in profName.
#include "ktx_string.h"

class DlgSelectProfData {
  public:
    // The section shown first (a full name such as "HEA-100"; an unknown name shows the first
    // table).
    void setInitialUnknownName(const Ktx_String& name) { initialName = name; }

    Ktx_String initialName;
    Ktx_String profName;  // the chosen full section name, set on OK
};

// Resource id of the dialog's template (the Core library's own).
constexpr unsigned kDlgSelectProfResourceId = 30110;
constexpr int kDlgSelectProfTables = 1000;
constexpr int kDlgSelectProfSizes = 1001;

class DlgSelectProf {
  public:
    explicit DlgSelectProf(DlgSelectProfData& data) : data_(data) {}
    // IDOK when a size was chosen and confirmed, else IDCANCEL.
    int DoModal();

  private:
    DlgSelectProfData& data_;
};
