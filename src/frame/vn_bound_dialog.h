#pragma once
// VnBoundDialog: the shared base of the module's thin dialogs. A dialog keeps its data and
// rules in a GUI-free model and describes its controls in one binding table: which control
// shows which model field, its caption's text key, the command it runs, and when it is
// enabled and visible. The base runs the table:
//
// - on opening, captions from dialString and every control from the model (refresh);
// - on each change by the user, control to model (an edit's text, a check box's or radio
//   button's state), then onModelChanged and a refresh of every control;
// - on each command, the command, then onModelChanged and a refresh.
//
// What a table cannot say stays a plain handler of the dialog (onClicked, onNotify ...).
// The dialog function hands the model's copy back to its caller when DoModal gives IDOK.
#include <functional>
#include <string>
#include <vector>

#include "cdialog.h"

struct VnBinding {
    int control = 0;
    int textKey = 0;  // dialString key of the control's caption; 0 keeps the template's text
    std::function<std::string()> text;                // an edit field's model value
    std::function<void(const std::string&)> setText;  // ... and where its changes go
    std::function<bool()> check;                      // a check box's or radio button's state
    std::function<void(bool)> setCheck;
    std::function<void()> command;  // a push button's command
    std::function<bool()> enabled;  // empty: always enabled
    std::function<bool()> visible;  // empty: always visible

    static VnBinding textField(int control, std::function<std::string()> get,
                               std::function<void(const std::string&)> set);
    static VnBinding checkBox(int control, std::function<bool()> get,
                              std::function<void(bool)> set);
    // A radio button of a group: checked while get() is true; a click calls choose().
    static VnBinding radio(int control, std::function<bool()> get, std::function<void()> choose);
    static VnBinding button(int control, std::function<void()> command);
    // A control that only takes its caption from the text table (and may have rules).
    static VnBinding label(int control, int key);
    VnBinding caption(int key) const;
    VnBinding enabledWhen(std::function<bool()> rule) const;
    VnBinding visibleWhen(std::function<bool()> rule) const;
};

class VnBoundDialog : public CDialog {
  public:
    explicit VnBoundDialog(UINT resourceId, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;

  protected:
    // Sets the table and routes the controls' changes and commands through it; call once,
    // from the constructor.
    void bind(std::vector<VnBinding> table);
    // Puts the model into every bound control and applies the enable and visible rules.
    void refresh();
    // After every change and command, before the refresh: carry the model over to what the
    // table does not show (a grid, a picture).
    virtual void onModelChanged() {}

  private:
    void connect(const VnBinding& b);
    void afterChange();
    void showValue(const VnBinding& b);

    std::vector<VnBinding> table_;
    bool refreshing_ = false;
};
