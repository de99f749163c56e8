#include "event_source.h"

#include "win_driver.h"

namespace {

std::vector<EventSource*>& stack() {
    static std::vector<EventSource*> s;
    return s;
}

std::vector<const WinQuestion*>& questions() {
    static std::vector<const WinQuestion*> q;
    return q;
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

std::optional<UserAction> EventSource::answer(const WinQuestion& question) {
    const UserAction* next = peek();
    if (next == nullptr || next->kind != question.kind) return std::nullopt;
    return this->next(nullptr);
}

std::optional<UserAction> winTakeAnswer(const WinQuestion& question) {
    EventSource* source = winActiveEventSource();
    if (source == nullptr) return std::nullopt;
    questions().push_back(&question);
    std::optional<UserAction> a = source->answer(question);
    questions().pop_back();
    return a;
}

const std::vector<const WinQuestion*>& winOpenQuestions() {
    return questions();
}

void winEventSourceReset() {
    stack().clear();
    questions().clear();
}
