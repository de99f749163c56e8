#include "control_paint.h"

#include <algorithm>
#include <string>

#include "gdi.h"
#include "win_driver.h"
#include "window_class.h"

namespace {

constexpr int kBoxSize = 13;    // check box and radio button mark
constexpr int kRowHeight = 16;  // items of lists
constexpr int kDropWidth = 17;  // a combo box's drop button

RECT rectOf(int l, int t, int r, int b) {
    RECT x;
    x.left = l;
    x.top = t;
    x.right = r;
    x.bottom = b;
    return x;
}

class Painter {
  public:
    Painter(HWND h, const WinWindow& w, CDC& dc, const RECT& client)
        : h_(h), w_(w), dc_(dc), client_(client) {
        dc_.SetBkMode(TRANSPARENT);
        const bool enabled = (w_.style & WS_DISABLED) == 0;
        dc_.SetTextColor(GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
        focused_ = GetFocus() == h_;
    }

    void paint() {
        const std::string& c = w_.className;
        if (winSameClassName(c, WC_BUTTON))
            button();
        else if (winSameClassName(c, WC_STATIC))
            staticText();
        else if (winSameClassName(c, WC_EDIT))
            edit();
        else if (winSameClassName(c, WC_LISTBOX))
            list(0);
        else if (winSameClassName(c, WC_COMBOBOX))
            combo();
        else if (winSameClassName(c, WC_TABCONTROL))
            tabs();
        else if (winSameClassName(c, WC_LISTVIEW))
            listView();
    }

  private:
    void border(const RECT& r) {
        dc_.Draw3dRect(&r, GetSysColor(COLOR_3DSHADOW), GetSysColor(COLOR_3DHILIGHT));
    }
    void focus(const RECT& r) {
        if (focused_) dc_.DrawFocusRect(&r);
    }
    void text(const std::string& s, RECT r, UINT format) {
        if (!s.empty()) dc_.DrawText(s, &r, format);
    }

    void button() {
        const DWORD kind = w_.style & BS_TYPEMASK;
        if (kind == BS_GROUPBOX) return groupBox();
        if (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON || kind == BS_OWNERDRAW ||
            (w_.style & BS_PUSHLIKE)) {
            return pushButton(kind == BS_DEFPUSHBUTTON);
        }
        const bool radio = kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON;
        const int top = (client_.bottom - kBoxSize) / 2;
        const RECT box = rectOf(0, top, kBoxSize, top + kBoxSize);
        dc_.FillSolidRect(&box, GetSysColor(COLOR_WINDOW));
        border(box);
        if (w_.state.check == BST_CHECKED) radio ? radioDot(box) : checkMark(box);
        if (w_.state.check == BST_INDETERMINATE) {
            const RECT inner = rectOf(box.left + 3, box.top + 3, box.right - 3, box.bottom - 3);
            dc_.FillSolidRect(&inner, GetSysColor(COLOR_GRAYTEXT));
        }
        const RECT label = rectOf(kBoxSize + 4, 0, client_.right, client_.bottom);
        text(w_.text, label, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        focus(label);
    }
    void checkMark(const RECT& box) {
        dc_.MoveTo(box.left + 3, box.top + 6);
        dc_.LineTo(box.left + 5, box.top + 9);
        dc_.LineTo(box.left + 10, box.top + 3);
    }
    void radioDot(const RECT& box) {
        const RECT dot = rectOf(box.left + 4, box.top + 4, box.right - 4, box.bottom - 4);
        dc_.FillSolidRect(&dot, GetSysColor(COLOR_WINDOWTEXT));
    }
    void pushButton(bool isDefault) {
        dc_.FillSolidRect(&client_, GetSysColor(COLOR_BTNFACE));
        const bool down = w_.state.pushed || w_.state.check == BST_CHECKED;
        dc_.Draw3dRect(&client_, GetSysColor(down ? COLOR_3DSHADOW : COLOR_3DHILIGHT),
                       GetSysColor(down ? COLOR_3DHILIGHT : COLOR_3DSHADOW));
        if (isDefault) dc_.Draw3dRect(&client_, 0, 0);
        if (!picture()) text(w_.text, client_, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        const RECT inner = rectOf(3, 3, client_.right - 3, client_.bottom - 3);
        focus(inner);
    }
    // A button's icon or bitmap (BM_SETIMAGE), centred; false when it has none.
    bool picture() {
        BITMAP size{};
        const auto bitmap = static_cast<HBITMAP>(w_.state.image);
        if (HICON__* icon = gdiIcon(static_cast<HICON>(w_.state.image))) {
            dc_.DrawIcon((client_.right - icon->image.width()) / 2,
                         (client_.bottom - icon->image.height()) / 2,
                         static_cast<HICON>(w_.state.image));
            return true;
        }
        if (gdiBitmap(bitmap) == nullptr || GetObject(bitmap, sizeof size, &size) == 0)
            return false;
        CDC source;
        source.CreateCompatibleDC(&dc_);
        CBitmap* old = source.SelectObject(CBitmap::FromHandle(bitmap));
        dc_.BitBlt((client_.right - size.bmWidth) / 2, (client_.bottom - size.bmHeight) / 2,
                   size.bmWidth, size.bmHeight, &source, 0, 0, SRCCOPY);
        source.SelectObject(old);
        return true;
    }
    void groupBox() {
        const RECT frame = rectOf(0, kRowHeight / 2, client_.right, client_.bottom);
        border(frame);
        text(w_.text, rectOf(8, 0, client_.right - 8, kRowHeight), DT_LEFT | DT_SINGLELINE);
    }

    void staticText() {
        if (w_.style & WS_BORDER) border(client_);
        const DWORD align = w_.style & 0x3;
        const UINT format = align == SS_CENTER ? DT_CENTER : align == SS_RIGHT ? DT_RIGHT : DT_LEFT;
        text(w_.text, client_, format | DT_WORDBREAK);
    }

    void edit() {
        const bool grey = (w_.style & (ES_READONLY | WS_DISABLED)) != 0;
        dc_.FillSolidRect(&client_, GetSysColor(grey ? COLOR_BTNFACE : COLOR_WINDOW));
        if (w_.style & WS_BORDER) border(client_);
        const RECT inside = rectOf(2, 1, client_.right - 2, client_.bottom - 1);
        const std::string shown =
            (w_.style & ES_PASSWORD) ? std::string(w_.text.size(), '*') : w_.text;
        text(shown, inside,
             (w_.style & ES_MULTILINE) ? DT_LEFT | DT_WORDBREAK
                                       : DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        if (focused_ && w_.state.selEnd > w_.state.selStart) selection(inside, shown);
    }
    // The selected characters of a one-line edit, inverted as the platform shows them.
    void selection(const RECT& inside, const std::string& shown) {
        const DWORD start = std::min<DWORD>(w_.state.selStart, shown.size());
        const DWORD end = std::min<DWORD>(w_.state.selEnd, shown.size());
        const int left = inside.left + dc_.GetTextExtent(shown.substr(0, start)).cx;
        const int right = inside.left + dc_.GetTextExtent(shown.substr(0, end)).cx;
        const RECT sel = rectOf(left, inside.top, right, inside.bottom);
        dc_.InvertRect(&sel);
    }

    void list(int top) {
        const RECT area = rectOf(0, top, client_.right, client_.bottom);
        dc_.FillSolidRect(&area, GetSysColor(COLOR_WINDOW));
        border(area);
        int y = top + 1;
        for (size_t i = 0; i < w_.state.items.size() && y < client_.bottom; ++i, y += kRowHeight) {
            item(w_.state.items[i].text, rectOf(1, y, client_.right - 1, y + kRowHeight),
                 isSelected(static_cast<int>(i)), static_cast<int>(i) == w_.state.curSel);
        }
    }
    bool isSelected(int i) const {
        const bool multi = (w_.style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
        return multi ? w_.state.items[static_cast<size_t>(i)].selected : i == w_.state.curSel;
    }
    void item(const std::string& s, const RECT& row, bool selected, bool caret) {
        if (selected) {
            dc_.FillSolidRect(&row, GetSysColor(COLOR_HIGHLIGHT));
            dc_.SetTextColor(GetSysColor(COLOR_HIGHLIGHTTEXT));
        }
        text(s, rectOf(row.left + 2, row.top, row.right, row.bottom),
             DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        dc_.SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
        if (caret) focus(row);
    }

    void combo() {
        const RECT field =
            rectOf(0, 0, client_.right, std::min<LONG>(client_.bottom, kRowHeight + 4));
        dc_.FillSolidRect(&field, GetSysColor(COLOR_WINDOW));
        border(field);
        const RECT drop = rectOf(field.right - kDropWidth, 1, field.right - 1, field.bottom - 1);
        dc_.FillSolidRect(&drop, GetSysColor(COLOR_BTNFACE));
        const int cx = (drop.left + drop.right) / 2, cy = (drop.top + drop.bottom) / 2;
        dc_.MoveTo(cx - 3, cy - 1);
        dc_.LineTo(cx, cy + 2);
        dc_.LineTo(cx + 4, cy - 2);
        const bool editable = (w_.style & 0x3) != CBS_DROPDOWNLIST;
        const int sel = w_.state.curSel;
        const std::string shown = editable ? w_.text
                                  : sel >= 0 && sel < static_cast<int>(w_.state.items.size())
                                      ? w_.state.items[static_cast<size_t>(sel)].text
                                      : std::string();
        const RECT inside = rectOf(3, field.top, drop.left - 1, field.bottom);
        if (focused_ && !editable) dc_.FillSolidRect(&inside, GetSysColor(COLOR_HIGHLIGHT));
        if (focused_ && !editable) dc_.SetTextColor(GetSysColor(COLOR_HIGHLIGHTTEXT));
        text(shown, inside, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        dc_.SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
        if (w_.state.droppedDown) list(field.bottom);
    }

    void tabs() {
        int x = 0;
        for (size_t i = 0; i < w_.state.items.size(); ++i) {
            const std::string& s = w_.state.items[i].text;
            const int width = dc_.GetTextExtent(s).cx + 12;
            const bool current = static_cast<int>(i) == w_.state.curSel;
            const RECT tab = rectOf(x, current ? 0 : 2, x + width, kRowHeight + 4);
            dc_.FillSolidRect(&tab, GetSysColor(current ? COLOR_WINDOW : COLOR_BTNFACE));
            border(tab);
            text(s, tab, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            if (current) focus(tab);
            x += width;
        }
        border(rectOf(0, kRowHeight + 4, client_.right, client_.bottom));
    }

    void listView() {
        int top = 0;
        if ((w_.style & 0x3) == LVS_REPORT && !w_.state.columns.empty()) {
            const RECT header = rectOf(0, 0, client_.right, kRowHeight);
            dc_.FillSolidRect(&header, GetSysColor(COLOR_BTNFACE));
            const int width = client_.right / static_cast<int>(w_.state.columns.size());
            for (size_t c = 0; c < w_.state.columns.size(); ++c) {
                const int l = static_cast<int>(c) * width;
                text(w_.state.columns[c], rectOf(l + 2, 0, l + width, kRowHeight),
                     DT_LEFT | DT_VCENTER | DT_SINGLELINE);
            }
            top = kRowHeight;
        }
        const RECT area = rectOf(0, top, client_.right, client_.bottom);
        dc_.FillSolidRect(&area, GetSysColor(COLOR_WINDOW));
        border(client_);
        int y = top + 1;
        for (const WinItem& row : w_.state.items) {
            std::string shown = row.text;
            for (const std::string& sub : row.subItems) shown += "  " + sub;
            item(shown, rectOf(1, y, client_.right - 1, y + kRowHeight), row.selected, row.focused);
            y += kRowHeight;
        }
    }

    HWND h_;
    const WinWindow& w_;
    CDC& dc_;
    RECT client_;
    bool focused_ = false;
};

bool isBuiltIn(const std::string& c) {
    for (const char* name :
         {WC_BUTTON, WC_STATIC, WC_EDIT, WC_LISTBOX, WC_COMBOBOX, WC_TABCONTROL, WC_LISTVIEW}) {
        if (winSameClassName(c, name)) return true;
    }
    return false;
}

}  // namespace

bool winPaintBuiltInControl(HWND h) {
    const WinWindow* w = winWindowData(h);
    if (w == nullptr || !isBuiltIn(w->className)) return false;
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(h, &ps);
    if (hdc == nullptr) return false;
    CDC* dc = CDC::FromHandle(hdc);
    const int saved = dc->SaveDC();
    if (w->font != nullptr) SelectObject(hdc, w->font);
    RECT client;
    GetClientRect(h, &client);
    Painter(h, *w, *dc, client).paint();
    dc->RestoreDC(saved);
    EndPaint(h, &ps);
    return true;
}
