#include "file_chooser.h"

#include <cstring>
#include <deque>
#include <memory>

#include "event_source.h"
#include "guid.h"
#include "win_driver.h"

namespace {

struct Choosers {
    std::deque<std::vector<std::string>> answers;
    std::vector<FileChooserRecord> records;
};

Choosers& choosers() {
    static Choosers c;
    return c;
}

std::vector<std::string> nextAnswer(const FileChooserRecord& request) {
    Choosers& c = choosers();
    if (!c.answers.empty()) {
        auto a = c.answers.front();
        c.answers.pop_front();
        return a;
    }
    WinQuestion question{UserAction::Kind::Files, nullptr, nullptr, &request};
    if (auto step = winTakeAnswer(question)) return step->files;
    return {};
}

std::string fileNameOf(const std::string& path) {
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::optional<std::vector<std::string>> winChooseFiles(FileChooserRecord request) {
    std::vector<std::string> answer = nextAnswer(request);
    if (!request.multiple && answer.size() > 1) answer.resize(1);
    request.answer = answer;
    choosers().records.push_back(request);
    if (answer.empty()) return std::nullopt;
    return answer;
}

void winQueueFileChoice(std::vector<std::string> paths) {
    choosers().answers.push_back(std::move(paths));
}
const std::vector<FileChooserRecord>& winFileChoosers() {
    return choosers().records;
}

void winFileChoosersReset() {
    Choosers& c = choosers();
    c.answers.clear();
    c.records.clear();
}

CFileDialog::CFileDialog(BOOL openFileDialog, LPCSTR defaultExtension, LPCSTR fileName, DWORD flags,
                         LPCSTR filter, CWnd* /*parent*/)
    : open_(openFileDialog != FALSE),
      defaultExtension_(defaultExtension ? defaultExtension : ""),
      fileName_(fileName ? fileName : ""),
      filter_(filter ? filter : "") {
    m_ofn.Flags = flags;
    m_ofn.lpstrDefExt = defaultExtension;
}

INT_PTR CFileDialog::DoModal() {
    FileChooserRecord r;
    r.kind = open_ ? FileChooserRecord::Kind::Open : FileChooserRecord::Kind::Save;
    r.title = m_ofn.lpstrTitle ? m_ofn.lpstrTitle : "";
    r.filter = filter_;
    r.startFolder = m_ofn.lpstrInitialDir ? m_ofn.lpstrInitialDir : "";
    r.defaultName = fileName_;
    r.defaultExtension = defaultExtension_;
    r.multiple = (m_ofn.Flags & OFN_ALLOWMULTISELECT) != 0;
    auto answer = winChooseFiles(r);
    chosen_ = answer ? *answer : std::vector<std::string>{};
    return answer ? IDOK : IDCANCEL;
}

std::string CFileDialog::GetPathName() const {
    return chosen_.empty() ? std::string() : chosen_.front();
}
std::string CFileDialog::GetFileName() const {
    return fileNameOf(GetPathName());
}

std::string CFileDialog::GetFileExt() const {
    std::string name = GetFileName();
    size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

std::string CFileDialog::GetFileTitle() const {
    std::string name = GetFileName();
    size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string CFileDialog::GetFolderPath() const {
    std::string path = GetPathName();
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

POSITION CFileDialog::GetStartPosition() const {
    return chosen_.empty() ? nullptr : reinterpret_cast<POSITION>(static_cast<UINT_PTR>(1));
}

std::string CFileDialog::GetNextPathName(POSITION& position) const {
    auto index = reinterpret_cast<UINT_PTR>(position);
    if (index == 0 || index > chosen_.size()) {
        position = nullptr;
        return {};
    }
    position = index < chosen_.size() ? reinterpret_cast<POSITION>(index + 1) : nullptr;
    return chosen_[index - 1];
}

LPITEMIDLIST SHBrowseForFolder(BROWSEINFO* info) {
    FileChooserRecord r;
    r.kind = FileChooserRecord::Kind::Folder;
    if (info && info->lpszTitle) r.title = info->lpszTitle;
    auto answer = winChooseFiles(r);
    if (!answer) return nullptr;
    const std::string& path = answer->front();
    auto* text = static_cast<char*>(CoTaskMemAlloc(path.size() + 1));
    std::memcpy(text, path.c_str(), path.size() + 1);
    if (info && info->pszDisplayName) {
        std::string name = fileNameOf(path);
        std::memcpy(info->pszDisplayName, name.c_str(), std::min<size_t>(name.size() + 1, 260));
        info->pszDisplayName[259] = '\0';
    }
    return reinterpret_cast<LPITEMIDLIST>(text);
}

BOOL SHGetPathFromIDList(LPCITEMIDLIST list, LPSTR path) {
    if (list == nullptr || path == nullptr) return FALSE;
    const char* text = reinterpret_cast<const char*>(list);
    size_t n = std::min<size_t>(std::strlen(text), 259);
    std::memcpy(path, text, n);
    path[n] = '\0';
    return TRUE;
}
