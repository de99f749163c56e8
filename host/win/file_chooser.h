// File choosers (open, save, several files, a folder). Nothing is shown: each is answered
// from the queue (winQueueFileChoice), else from the running script's next step when it is a
// files step, else it is cancelled. Every chooser is recorded with its kind, title, filter,
// start folder and default name, and its answer.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cwnd.h"

constexpr DWORD OFN_READONLY = 0x1, OFN_OVERWRITEPROMPT = 0x2, OFN_HIDEREADONLY = 0x4,
                OFN_NOCHANGEDIR = 0x8, OFN_ALLOWMULTISELECT = 0x200, OFN_PATHMUSTEXIST = 0x800,
                OFN_FILEMUSTEXIST = 0x1000, OFN_EXPLORER = 0x80000;

struct VnPosition;
using POSITION = VnPosition*;

struct OPENFILENAME {
    DWORD Flags = 0;
    LPCSTR lpstrTitle = nullptr;
    LPCSTR lpstrInitialDir = nullptr;
    LPCSTR lpstrDefExt = nullptr;
};

class CFileDialog {
  public:
    // `filter` in the form "Text files (*.txt)|*.txt|All files (*.*)|*.*||".
    explicit CFileDialog(BOOL openFileDialog, LPCSTR defaultExtension = nullptr,
                         LPCSTR fileName = nullptr,
                         DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         LPCSTR filter = nullptr, CWnd* parent = nullptr);
    // IDOK when paths were chosen, else IDCANCEL.
    INT_PTR DoModal();
    std::string GetPathName() const;
    std::string GetFileName() const;
    std::string GetFileExt() const;
    std::string GetFileTitle() const;
    std::string GetFolderPath() const;
    POSITION GetStartPosition() const;
    std::string GetNextPathName(POSITION& position) const;

    OPENFILENAME m_ofn;

  private:
    bool open_;
    std::string defaultExtension_;
    std::string fileName_;
    std::string filter_;
    std::vector<std::string> chosen_;
};

// Folder browsing.
struct VnItemList;
using LPITEMIDLIST = VnItemList*;
using LPCITEMIDLIST = const VnItemList*;
struct BROWSEINFO {
    HWND hwndOwner = nullptr;
    LPCITEMIDLIST pidlRoot = nullptr;
    LPSTR pszDisplayName = nullptr;
    LPCSTR lpszTitle = nullptr;
    UINT ulFlags = 0;
    void* lpfn = nullptr;
    LPARAM lParam = 0;
    int iImage = 0;
};
constexpr UINT BIF_RETURNONLYFSDIRS = 0x1, BIF_NEWDIALOGSTYLE = 0x40;
// nullptr when cancelled; free the result with CoTaskMemFree (guid.h).
LPITEMIDLIST SHBrowseForFolder(BROWSEINFO* info);
BOOL SHGetPathFromIDList(LPCITEMIDLIST list, LPSTR path);
