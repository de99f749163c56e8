#include "scripted_user.h"

#include <deque>
#include <map>

#include "win_driver.h"

namespace {

struct Registry {
    std::map<UINT, std::deque<std::shared_ptr<Script>>> scripts;
    std::shared_ptr<EventSource> live;
};

Registry& registry() {
    static Registry r;
    return r;
}

UserAction make(UserAction::Kind kind, int control) {
    UserAction a;
    a.kind = kind;
    a.control = control;
    return a;
}

}  // namespace

Script& Script::add(UserAction action) {
    steps_.push_back(std::move(action));
    return *this;
}

Script& Script::click(int control) {
    return add(make(UserAction::Kind::Click, control));
}

Script& Script::doubleClick(int control, std::string item) {
    UserAction a = make(UserAction::Kind::DoubleClick, control);
    a.text = std::move(item);
    return add(std::move(a));
}

Script& Script::type(int control, std::string text) {
    UserAction a = make(UserAction::Kind::Type, control);
    a.text = std::move(text);
    return add(std::move(a));
}

Script& Script::leave(int control) {
    return add(make(UserAction::Kind::Leave, control));
}

Script& Script::choose(int control, std::string item) {
    UserAction a = make(UserAction::Kind::Choose, control);
    a.text = std::move(item);
    return add(std::move(a));
}

Script& Script::chooseIndex(int control, int index) {
    UserAction a = make(UserAction::Kind::ChooseIndex, control);
    a.index = index;
    return add(std::move(a));
}

Script& Script::selectTab(int control, int index) {
    UserAction a = make(UserAction::Kind::SelectTab, control);
    a.index = index;
    return add(std::move(a));
}

Script& Script::key(int virtualKey, UINT modifiers) {
    UserAction a = make(UserAction::Kind::Key, 0);
    a.key = virtualKey;
    a.modifiers = modifiers;
    return add(std::move(a));
}

Script& Script::mouse(int control, UINT message, POINT point, UINT modifiers) {
    UserAction a = make(UserAction::Kind::Mouse, control);
    a.message = message;
    a.point = point;
    a.modifiers = modifiers;
    return add(std::move(a));
}

Script& Script::drag(int control, POINT from, POINT to, UINT modifiers) {
    UserAction a = make(UserAction::Kind::Drag, control);
    a.point = from;
    a.point2 = to;
    a.modifiers = modifiers;
    return add(std::move(a));
}

Script& Script::rightClick(int control, POINT point, UINT modifiers) {
    UserAction a = make(UserAction::Kind::RightClick, control);
    a.point = point;
    a.modifiers = modifiers;
    return add(std::move(a));
}

Script& Script::menu(UINT commandId) {
    UserAction a = make(UserAction::Kind::MenuChoice, 0);
    a.index = static_cast<int>(commandId);
    return add(std::move(a));
}

Script& Script::menu(std::string itemText) {
    UserAction a = make(UserAction::Kind::MenuChoice, 0);
    a.text = std::move(itemText);
    return add(std::move(a));
}

Script& Script::dismissMenu() {
    return menu(0u);
}

Script& Script::answer(int button) {
    UserAction a = make(UserAction::Kind::Answer, 0);
    a.index = button;
    return add(std::move(a));
}

Script& Script::files(std::vector<std::string> paths) {
    UserAction a = make(UserAction::Kind::Files, 0);
    a.files = std::move(paths);
    return add(std::move(a));
}

Script& Script::cancelFiles() {
    return files({});
}
Script& Script::close() {
    return add(make(UserAction::Kind::Close, 0));
}

Script& Script::resize(int width, int height) {
    UserAction a = make(UserAction::Kind::Resize, 0);
    a.point = POINT{width, height};
    return add(std::move(a));
}

Script& Script::wait(DWORD ms) {
    UserAction a = make(UserAction::Kind::Wait, 0);
    a.index = static_cast<int>(ms);
    return add(std::move(a));
}

Script& Script::then(std::function<void(HWND)> call) {
    UserAction a = make(UserAction::Kind::Call, 0);
    a.call = std::move(call);
    return add(std::move(a));
}

std::optional<UserAction> Script::next(HWND /*dialog*/) {
    if (at_ >= steps_.size()) return std::nullopt;
    return steps_[at_++];
}

const UserAction* Script::peek() {
    return at_ < steps_.size() ? &steps_[at_] : nullptr;
}

void winScriptNextDialog(UINT resourceId, Script script) {
    registry().scripts[resourceId].push_back(std::make_shared<Script>(std::move(script)));
}

void winSetLiveEventSource(std::shared_ptr<EventSource> source) {
    registry().live = std::move(source);
}

std::shared_ptr<EventSource> winLiveEventSource() {
    return registry().live;
}

std::shared_ptr<EventSource> winTakeEventSource(UINT resourceId) {
    auto it = registry().scripts.find(resourceId);
    if (it != registry().scripts.end() && !it->second.empty()) {
        std::shared_ptr<EventSource> s = it->second.front();
        it->second.pop_front();
        return s;
    }
    return registry().live;
}

int winPendingScripts() {
    int n = 0;
    for (auto& [id, queue] : registry().scripts) n += static_cast<int>(queue.size());
    return n;
}

void winScriptsReset() {
    registry().scripts.clear();
    registry().live.reset();
}
