#include "page_event.h"

#include <cctype>
#include <cstdint>
#include <map>
#include <nlohmann/json.hpp>

#include "code_page.h"
#include "grid_user.h"

namespace {

using Kind = UserAction::Kind;
using json = nlohmann::json;

const std::map<std::string, Kind>& windowKinds() {
    static const std::map<std::string, Kind> kinds = {
        {"click", Kind::Click},
        {"dblclick", Kind::DoubleClick},
        {"type", Kind::Type},
        {"leave", Kind::Leave},
        {"choose", Kind::Choose},
        {"chooseIndex", Kind::ChooseIndex},
        {"tab", Kind::SelectTab},
        {"key", Kind::Key},
        {"mouse", Kind::Mouse},
        {"drag", Kind::Drag},
        {"rightclick", Kind::RightClick},
        {"close", Kind::Close},
        {"resize", Kind::Resize},
        {"cell", Kind::Call},
        {"cellclick", Kind::Call},
    };
    return kinds;
}

const std::map<std::string, Kind>& answerKinds() {
    static const std::map<std::string, Kind> kinds = {
        {"answer", Kind::Answer}, {"menu", Kind::MenuChoice}, {"files", Kind::Files}};
    return kinds;
}

template <typename T>
void take(const json& j, const char* name, T& out) {
    auto it = j.find(name);
    if (it != j.end() && !it->is_null()) out = it->get<T>();
}

HWND handleOf(unsigned long window) {
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window));
}

HWND topLevelOf(HWND h) {
    for (WinWindow* w = winWindowData(h); w != nullptr && w->parent != nullptr;
         w = winWindowData(w->parent)) {
        h = w->parent;
    }
    return h;
}

std::optional<UINT> mouseMessage(const std::string& name) {
    static const std::map<std::string, UINT> messages = {
        {"down", WM_LBUTTONDOWN},  {"up", WM_LBUTTONUP},      {"move", WM_MOUSEMOVE},
        {"dbl", WM_LBUTTONDBLCLK}, {"rdown", WM_RBUTTONDOWN}, {"rup", WM_RBUTTONUP}};
    auto it = messages.find(name);
    if (it == messages.end()) return std::nullopt;
    return it->second;
}

// The window's control id in its dialog, checked to lead back to the same window.
bool controlIdIn(HWND dialog, HWND h, int& id, std::string& error) {
    if (h == dialog) {
        id = 0;
        return true;
    }
    id = winWindowData(h)->id;
    if (id == 0 || id == -1 || winFindControl(dialog, id) != h) {
        error = "the window has no control id of its own";
        return false;
    }
    return true;
}

bool fillGridStep(const PageEvent& e, HWND h, int id, UserAction& a, std::string& error) {
    if (winWindowData(h)->className != "fpSpread70") {
        error = "the window is no grid";
        return false;
    }
    a.call = e.kind == "cell" ? ssStepTypeInCell(id, e.col, e.row, e.text)
                              : ssStepClickCell(id, e.col, e.row);
    return true;
}

std::string& libraryFolder() {
    static std::string folder;
    return folder;
}

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool belowLibrary(const std::string& path) {
    std::string base = lower(libraryFolder());
    while (!base.empty() && base.back() == '\\') base.pop_back();
    std::string p = lower(path);
    for (char& c : p) c = c == '/' ? '\\' : c;
    if (base.empty() || p.rfind(base + "\\", 0) != 0) return false;
    return (p + "\\").find("\\..\\") == std::string::npos;
}

}  // namespace

void pageEventsSetLibraryFolder(const std::string& windowsDir) {
    libraryFolder() = windowsDir;
}

std::optional<PageEvent> parsePageEvent(const std::string& text, std::string& error) {
    json j = json::parse(text, nullptr, false);
    if (j.is_discarded() || !j.is_object()) {
        error = "the event is no JSON object";
        return std::nullopt;
    }
    PageEvent e;
    try {
        take(j, "kind", e.kind);
        take(j, "window", e.window);
        take(j, "id", e.id);
        take(j, "text", e.text);
        take(j, "index", e.index);
        take(j, "key", e.key);
        take(j, "shift", e.shift);
        take(j, "control", e.control);
        take(j, "message", e.message);
        take(j, "x", e.x);
        take(j, "y", e.y);
        take(j, "x2", e.x2);
        take(j, "y2", e.y2);
        take(j, "col", e.col);
        take(j, "row", e.row);
        take(j, "files", e.files);
    } catch (const json::exception&) {
        error = "a field of the event has the wrong type";
        return std::nullopt;
    }
    e.text = cp1252FromUtf8(e.text);
    for (std::string& f : e.files) f = cp1252FromUtf8(f);
    if (!windowKinds().count(e.kind) && !answerKinds().count(e.kind)) {
        error = "unknown event kind '" + e.kind + "'";
        return std::nullopt;
    }
    return e;
}

std::optional<UserAction> actionForEvent(const PageEvent& e, HWND dialog, std::string& error) {
    auto kind = windowKinds().find(e.kind);
    if (kind == windowKinds().end()) {
        error = "nothing is asking for '" + e.kind + "' now";
        return std::nullopt;
    }
    HWND h = handleOf(e.window);
    if (e.window == 0 && dialog != nullptr) h = e.id == 0 ? dialog : winFindControl(dialog, e.id);
    if (winWindowData(h) == nullptr) {
        error = "the window " + std::to_string(e.window) + " no longer exists";
        return std::nullopt;
    }
    HWND top = topLevelOf(h);
    if (dialog != nullptr && top != dialog) {
        error = "another dialog is open in front of that window";
        return std::nullopt;
    }
    UserAction a;
    a.kind = kind->second;
    a.target = top;
    if (!controlIdIn(top, h, a.control, error)) return std::nullopt;
    a.text = e.text;
    a.index = e.index;
    a.key = e.key;
    a.modifiers = (e.shift ? MK_SHIFT : 0) | (e.control ? MK_CONTROL : 0);
    a.point = POINT{e.x, e.y};
    a.point2 = POINT{e.x2, e.y2};
    if (a.kind == Kind::Mouse) {
        std::optional<UINT> message = mouseMessage(e.message);
        if (!message) {
            error = "unknown mouse message '" + e.message + "'";
            return std::nullopt;
        }
        a.message = *message;
    }
    if (a.kind == Kind::Call && !fillGridStep(e, h, a.control, a, error)) return std::nullopt;
    return a;
}

std::optional<UserAction> answerForEvent(const PageEvent& e, const WinQuestion& question,
                                         std::string& error) {
    auto kind = answerKinds().find(e.kind);
    if (kind == answerKinds().end() || kind->second != question.kind) {
        error = "answer the open message box, menu or file chooser first";
        return std::nullopt;
    }
    for (const std::string& f : e.files) {
        if (!belowLibrary(f)) {
            error = "the file '" + f + "' is outside the library folder";
            return std::nullopt;
        }
    }
    UserAction a;
    a.kind = kind->second;
    a.index = e.index;
    a.text = e.text;
    a.files = e.files;
    return a;
}
