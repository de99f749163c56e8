// CToolTipCtrl: tooltips per control. Nothing pops up; each control's tooltip text is kept
// with the control (winToolTipOf) so that tests and a renderer can read it.
#pragma once

#include <string>

#include "cwnd.h"

class CToolTipCtrl : public CWnd {
  public:
    BOOL Create(CWnd* parent, DWORD style = 0);
    // Sets (or replaces) the tooltip of `tool`; FALSE for a window-less tool.
    BOOL AddTool(CWnd* tool, LPCSTR text);
    void UpdateTipText(LPCSTR text, CWnd* tool) { AddTool(tool, text); }
    void DelTool(CWnd* tool);
    void Activate(BOOL active) { active_ = active != FALSE; }
    BOOL active() const { return active_ ? TRUE : FALSE; }

  private:
    bool active_ = true;
};

// The tooltip text recorded for a control (empty when none).
std::string winToolTipOf(HWND control);
