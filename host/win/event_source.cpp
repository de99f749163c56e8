#include "event_source.h"

#include "win_driver.h"

namespace {

std::vector<EventSource*>& stack() {
    static std::vector<EventSource*> s;
    return s;
}

}  // namespace

void winPushEventSource(EventSource* source) {
    stack().push_back(source);
}

void winPopEventSource() {
    if (!stack().empty()) stack().pop_back();
}

EventSource* winActiveEventSource() {
    return stack().empty() ? nullptr : stack().back();
}

std::optional<UserAction> winTakeAnswer(UserAction::Kind kind) {
    EventSource* source = winActiveEventSource();
    if (source == nullptr) return std::nullopt;
    const UserAction* next = source->peek();
    if (next == nullptr || next->kind != kind) return std::nullopt;
    return source->next(nullptr);
}

void winEventSourceReset() {
    stack().clear();
}
