// The scripted user: a Script is a list of the steps a person takes on one dialog. Attach it
// to "the next dialog of resource N" and the modal loop of that dialog performs the steps in
// order; a dialog opened by a step (a nested modal dialog) takes its own script. Steps that
// answer message boxes, popup menus and file choosers are taken by the box, menu or chooser
// that the step before opened.
//
//   winScriptNextDialog(IDD_LEVELS, Script()
//       .type(IDC_NAME, "Level 2")
//       .choose(IDC_KIND, "Floor")
//       .click(IDOK));
//   EXPECT_TRUE(StartDlgLevels(data));
//
// With no script for the resource, the live event source is used when one is set
// (winSetLiveEventSource), else the dialog runs only its initialisation and the messages
// it posted, and then ends as cancelled.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "event_source.h"
#include "win_driver_only.h"

class Script : public EventSource {
  public:
    Script& click(int control);
    Script& doubleClick(int control, std::string item = {});
    Script& type(int control, std::string text);
    Script& leave(int control);
    Script& choose(int control, std::string item);
    Script& chooseIndex(int control, int index);
    Script& selectTab(int control, int index);
    Script& key(int virtualKey, UINT modifiers = 0);
    // A mouse message at `point` in the client area of `control` (0: the dialog), with
    // `modifiers` (MK_SHIFT, MK_CONTROL) held.
    Script& mouse(int control, UINT message, POINT point, UINT modifiers = 0);
    Script& drag(int control, POINT from, POINT to, UINT modifiers = 0);
    Script& rightClick(int control, POINT point, UINT modifiers = 0);
    // Answers of what the step before opened.
    Script& menu(UINT commandId);
    Script& menu(std::string itemText);
    Script& dismissMenu();
    Script& answer(int button);
    // The event source's answer to an open question stays visible beside the builder above.
    using EventSource::answer;
    Script& files(std::vector<std::string> paths);
    Script& cancelFiles();
    Script& close();
    Script& resize(int width, int height);
    Script& wait(DWORD ms);
    Script& then(std::function<void(HWND dialog)> call);
    Script& add(UserAction action);

    std::optional<UserAction> next(HWND dialog) override;
    const UserAction* peek() override;
    size_t remaining() const { return steps_.size() - at_; }

  private:
    std::vector<UserAction> steps_;
    size_t at_ = 0;
};

// Scripts for the next dialogs of a resource are used in the order attached.
void winScriptNextDialog(UINT resourceId, Script script);
// A live source used by every modal dialog without a script (nullptr: none).
void winSetLiveEventSource(std::shared_ptr<EventSource> source);
std::shared_ptr<EventSource> winLiveEventSource();
// The source for a dialog of `resourceId` that starts now: its next script, else the live
// source, else nullptr.
std::shared_ptr<EventSource> winTakeEventSource(UINT resourceId);
// Scripts attached and not yet used.
int winPendingScripts();
void winScriptsReset();
