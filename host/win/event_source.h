// What a person does to an open dialog, and where the modal loop gets it from.
//
// A modal loop asks its event source for the next action, performs it on the dialog and
// pumps the messages it caused, until the dialog ends or the source has nothing more (the
// dialog then ends as cancelled). A Script (scripted_user.h) is one source; a live front end
// can be another. Message boxes, popup menus and file choosers opened while an action is
// performed ask the innermost running source (EventSource::answer); a script answers with its
// next step when it is an answer of their kind, a live source shows the question to its person
// and waits for the answer.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "win_constants.h"
#include "win_driver_only.h"

struct UserAction {
    enum class Kind {
        Click,        // a mouse click on a control (buttons toggle, BN_CLICKED ...)
        DoubleClick,  // on a list item (`text`) or a control
        Type,         // focus the control, replace its text by typing `text`
        Leave,        // move the focus on from the control (EN_KILLFOCUS ...)
        Choose,       // pick the item `text` (exact) of a combo box, list box or list view
        ChooseIndex,  // pick item `index`
        SelectTab,    // pick tab `index` of a tab control
        Key,          // press `key` with `modifiers` (MK_SHIFT, MK_CONTROL) held
        Mouse,        // `message` (WM_LBUTTONDOWN ...) at `point` in the control's client area
        Drag,         // left button from `point` to `point2`, in the control's client area
        RightClick,   // right button down and up at `point`, then WM_CONTEXTMENU
        MenuChoice,   // answer of the next popup menu: command `index` or item `text`;
                      // index 0 and empty text dismiss it
        Answer,       // answer of the next message box (`index`: IDYES ...)
        Files,        // answer of the next file chooser: `files`, or cancel when empty
        Close,        // the close box of the dialog
        Resize,       // drag the frame to the size `point` (x width, y height), within the
                      // tracking sizes that WM_GETMINMAXINFO gives
        Wait,         // let `index` milliseconds pass on the virtual clock
        Call,         // run `call` with the dialog (checks in the middle of a script)
    };
    Kind kind = Kind::Click;
    int control = 0;  // control id; 0 addresses the dialog itself
    std::string text;
    int index = -1;
    int key = 0;
    UINT modifiers = 0;
    UINT message = 0;
    POINT point;
    POINT point2;
    std::vector<std::string> files;
    std::function<void(HWND)> call;
    // For a message loop of modeless windows (winRunMessageLoop): the top-level window the
    // action is for. A modal loop performs every action on its own dialog.
    HWND target = nullptr;
};

struct MessageBoxRecord;
struct PopupMenuRecord;
struct FileChooserRecord;

// What an open message box, popup menu or file chooser asks its event source: the kind of
// answer it takes and the one record that describes it (the others are null).
struct WinQuestion {
    UserAction::Kind kind = UserAction::Kind::Answer;  // Answer, MenuChoice or Files
    const MessageBoxRecord* box = nullptr;
    const PopupMenuRecord* menu = nullptr;
    const FileChooserRecord* chooser = nullptr;
};

class EventSource {
  public:
    virtual ~EventSource() = default;
    // The next action for `dialog`; nullopt when the source has nothing more.
    virtual std::optional<UserAction> next(HWND dialog) = 0;
    // The action next() would give, without taking it; nullptr when none.
    virtual const UserAction* peek() = 0;
    // The answer to an open box, menu or chooser; nullopt leaves it to the box's own default.
    // This default takes the next action when it is of the question's kind.
    virtual std::optional<UserAction> answer(const WinQuestion& question);
};

// Sources of the modal loops now running, innermost last (a loop without source pushes
// nullptr, so that answers meant for an outer dialog are not taken by an inner one).
void winPushEventSource(EventSource* source);
void winPopEventSource();
EventSource* winActiveEventSource();
// Asks the innermost source to answer the question (nullopt: no source, or no answer).
std::optional<UserAction> winTakeAnswer(const WinQuestion& question);
// The questions being asked now, outermost first: what a renderer shows over the windows.
const std::vector<const WinQuestion*>& winOpenQuestions();
void winEventSourceReset();
