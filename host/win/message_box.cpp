#include "message_box.h"

#include <deque>

#include "event_source.h"
#include "user_failures.h"
#include "win_driver.h"

namespace {

struct Boxes {
    std::deque<int> answers;
    std::vector<MessageBoxRecord> records;
    std::string appName = "Application";
};

Boxes& boxes() {
    static Boxes b;
    return b;
}

std::vector<int> buttonsOf(UINT buttons) {
    switch (buttons) {
        case MB_OKCANCEL:
            return {IDOK, IDCANCEL};
        case MB_ABORTRETRYIGNORE:
            return {IDABORT, IDRETRY, IDIGNORE};
        case MB_YESNOCANCEL:
            return {IDYES, IDNO, IDCANCEL};
        case MB_YESNO:
            return {IDYES, IDNO};
        case MB_RETRYCANCEL:
            return {IDRETRY, IDCANCEL};
        default:
            return {IDOK};
    }
}

bool has(const std::vector<int>& v, int x) {
    for (int i : v) {
        if (i == x) return true;
    }
    return false;
}

int defaultAnswer(const std::vector<int>& buttons) {
    if (has(buttons, IDCANCEL)) return IDCANCEL;
    if (has(buttons, IDNO)) return IDNO;
    return buttons.front();
}

std::optional<int> scriptedAnswer(const MessageBoxRecord& box) {
    Boxes& b = boxes();
    if (!b.answers.empty()) {
        int a = b.answers.front();
        b.answers.pop_front();
        return a;
    }
    if (auto step = winTakeAnswer(WinQuestion{UserAction::Kind::Answer, &box})) return step->index;
    return std::nullopt;
}

}  // namespace

int MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    MessageBoxRecord r;
    r.text = text ? text : "";
    r.caption = caption ? caption : "Error";
    r.type = type;
    r.icon = type & MB_ICONMASK;
    r.buttons = type & MB_TYPEMASK;
    r.owner = owner;
    std::vector<int> buttons = buttonsOf(r.buttons);
    r.answer = defaultAnswer(buttons);
    if (auto a = scriptedAnswer(r)) {
        if (has(buttons, *a)) {
            r.answer = *a;
        } else {
            winReportUserFailure("answer " + std::to_string(*a) + " is not a button of the box \"" +
                                 r.text + "\"");
        }
    }
    boxes().records.push_back(r);
    return r.answer;
}

int AfxMessageBox(LPCSTR text, UINT type, UINT /*helpId*/) {
    return MessageBox(nullptr, text, boxes().appName.c_str(), type);
}

void winQueueMessageBoxAnswer(int answer) {
    boxes().answers.push_back(answer);
}
const std::vector<MessageBoxRecord>& winMessageBoxes() {
    return boxes().records;
}
void winSetApplicationName(const std::string& name) {
    boxes().appName = name;
}

void winMessageBoxReset() {
    Boxes& b = boxes();
    b.answers.clear();
    b.records.clear();
}
