#pragma once
// The Core library's settings: the product library folder and the other folders the module
// reads, and the flag that switches on the spreadsheet error messages. Folders are Windows
// paths ending in a backslash; the file layer translates them (path_translation.h).
#include "ktx_string.h"

class Ktx_Settings {
  public:
    // The product library folder ("Connection Standards\\", "prof\\", ... lie below it).
    Ktx_String libDir;
    // The user's settings folder (the registry file, dialog sizes).
    Ktx_String settingsDir;
    // The application's own folder ("icons\\" lies below it).
    Ktx_String appDir;
    // When true, the standards engine shows its equation and variable messages.
    bool ssErrorMessages = false;

    // Set a folder so that it ends in a backslash (a final "/" becomes one; an empty folder
    // stays empty). Other "/" separators are kept; the file layer accepts both.
    void setLibDir(const Ktx_String& folder) { libDir = withFinalBackslash(folder); }
    void setSettingsDir(const Ktx_String& folder) { settingsDir = withFinalBackslash(folder); }
    void setAppDir(const Ktx_String& folder) { appDir = withFinalBackslash(folder); }

    static Ktx_String withFinalBackslash(const Ktx_String& folder);
};

extern Ktx_Settings gSettings;
