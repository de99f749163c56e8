// Dialog templates declared in code beside the dialog that uses them: the resource id, the
// title, the style, the size in dialog units and the controls. A template is registered once
// (a DialogTemplateRegistration object at namespace scope in the dialog's .cpp does it) and
// found by id when a dialog is created.
//
//   const DialogTemplateRegistration kTemplate({8715, "Edit", kDialogStyle, 0, 0, 300, 200,
//       {{IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, "OK", 240, 180, 50, 14}}});
//
// Controls: id, class, style, extended style, text, x, y, width, height (dialog units), and
// optionally hidden.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "win_constants.h"

struct DialogControl {
    DialogControl(int id_, std::string className_, DWORD style_, DWORD exStyle_, std::string text_,
                  int x_, int y_, int cx_, int cy_, bool hidden_ = false)
        : id(id_),
          className(std::move(className_)),
          style(style_),
          exStyle(exStyle_),
          text(std::move(text_)),
          x(x_),
          y(y_),
          cx(cx_),
          cy(cy_),
          hidden(hidden_) {}
    int id = 0;
    std::string className;
    DWORD style = 0;  // WS_CHILD is added; WS_VISIBLE too unless `hidden`
    DWORD exStyle = 0;
    std::string text;
    int x = 0;  // dialog units, in the dialog's client area
    int y = 0;
    int cx = 0;
    int cy = 0;
    bool hidden = false;
};

struct DialogTemplate {
    DialogTemplate(UINT id_, std::string title_, DWORD style_, int x_, int y_, int cx_, int cy_,
                   std::vector<DialogControl> controls_ = {}, DWORD exStyle_ = 0)
        : id(id_),
          title(std::move(title_)),
          style(style_),
          exStyle(exStyle_),
          x(x_),
          y(y_),
          cx(cx_),
          cy(cy_),
          controls(std::move(controls_)) {}
    UINT id = 0;
    std::string title;
    DWORD style =
        0;  // e.g. DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, or WS_CHILD for a page
    DWORD exStyle = 0;
    int x = 0;  // dialog units; a top-level dialog is centred on its owner instead
    int y = 0;
    int cx = 0;  // size of the client area
    int cy = 0;
    std::vector<DialogControl> controls;
};

constexpr DWORD kDialogStyle = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kPageStyle = WS_CHILD | DS_CONTROL;

// Registers (or replaces) the template of its id.
void registerDialogTemplate(DialogTemplate dialogTemplate);
const DialogTemplate* findDialogTemplate(UINT id);

// Ids registered more than once, in order. Which of two templates of one id a dialog gets
// depends on the order of static initialisation, so a program should have none.
const std::vector<UINT>& dialogTemplateDuplicates();

struct DialogTemplateRegistration {
    explicit DialogTemplateRegistration(DialogTemplate t) { registerDialogTemplate(std::move(t)); }
    ~DialogTemplateRegistration() {}  // not trivial, so an unused registration draws no warning
};

// Creates the dialog window and its controls (hidden until shown), gives each the dialog's
// font, and sends WM_INITDIALOG; the focus goes to the first tab stop when that returns TRUE.
// `attach` runs with the new dialog window before its first message. nullptr when a control's
// class is unknown or creation is made to fail.
HWND winCreateDialog(const DialogTemplate& t, HWND parent, const std::function<void(HWND)>& attach,
                     LPARAM initParam = 0);
