#include "modal_loop.h"

#include <memory>
#include <string>

#include "event_source.h"
#include "message_pump.h"
#include "scripted_user.h"
#include "user_actions.h"
#include "user_failures.h"
#include "win_driver.h"
#include "window_api.h"

void winRunModalLoop(HWND dialog, UINT resourceId, const std::function<bool()>& ended) {
    std::shared_ptr<EventSource> source = winTakeEventSource(resourceId);
    winPushEventSource(source.get());
    winPumpMessages();
    while (!ended() && IsWindow(dialog)) {
        std::optional<UserAction> action = source ? source->next(dialog) : std::nullopt;
        if (!action) break;
        winPerformAction(dialog, *action);
        winPumpMessages();
    }
    winPopEventSource();
    if (source && source->peek() != nullptr) {
        winReportUserFailure("dialog " + std::to_string(resourceId) +
                             " ended with script steps left");
    }
}

void winRunMessageLoop(const std::function<bool()>& done) {
    std::shared_ptr<EventSource> source = winLiveEventSource();
    if (!source) return;
    winPushEventSource(source.get());
    winPumpMessages();
    while (!done()) {
        std::optional<UserAction> action = source->next(nullptr);
        if (!action) break;
        if (IsWindow(action->target)) winPerformAction(action->target, *action);
        winPumpMessages();
    }
    winPopEventSource();
}
