#include "tree_json.h"

#include <strings.h>

#include <cstdint>
#include <filesystem>

#include "grid_json.h"

namespace {

using json = nlohmann::json;

unsigned long number(const void* handle) {
    return static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(handle));
}

bool isClass(const WinWindow& w, const char* name) {
    return strcasecmp(w.className.c_str(), name) == 0;
}

std::string buttonKind(DWORD style) {
    switch (style & BS_TYPEMASK) {
        case BS_DEFPUSHBUTTON:
            return "default";
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
            return (style & BS_PUSHLIKE) ? "push" : "check";
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return "radio";
        case BS_3STATE:
        case BS_AUTO3STATE:
            return "3state";
        case BS_GROUPBOX:
            return "group";
        default:
            return "push";
    }
}

// A list view item's picture from its image list, as a picture number (0: none).
unsigned long itemPicture(const WinControlState& s, int image, BitmapStore& pictures) {
    IMAGEINFO info;
    if (s.imageList == nullptr ||
        !ImageList_GetImageInfo(static_cast<HIMAGELIST>(s.imageList), image, &info))
        return 0;
    return pictures.put(info.hbmImage);
}

json itemsJson(const WinControlState& s, BitmapStore& pictures) {
    json out = json::array();
    for (const WinItem& i : s.items) {
        json item = {{"text", i.text}, {"selected", i.selected}, {"image", i.image}};
        if (unsigned long img = itemPicture(s, i.image, pictures)) item["img"] = img;
        if (!i.subItems.empty()) item["sub"] = i.subItems;
        out.push_back(std::move(item));
    }
    return out;
}

json rectJson(const RECT& r) {
    return json::array({r.left, r.top, r.right - r.left, r.bottom - r.top});
}

json paintJson(HWND h, BitmapStore& pictures) {
    json out = json::array();
    for (const GdiRecord& r : winPaintRecords(h)) {
        json rec = {{"op", static_cast<int>(r.op)}, {"r", rectJson(r.rect)}, {"c", r.color}};
        if (!r.text.empty()) rec["t"] = r.text;
        if (r.format != 0) rec["f"] = r.format;
        if (r.source != nullptr) {
            rec["img"] = pictures.put(r.source);
            rec["src"] = rectJson(r.sourceRect);
        }
        if (r.icon != nullptr) rec["img"] = pictures.put(r.icon);
        out.push_back(std::move(rec));
    }
    return out;
}

void addControlState(json& out, const WinWindow& w, BitmapStore& pictures) {
    const WinControlState& s = w.state;
    out["check"] = s.check;
    if (s.pushed) out["pushed"] = true;
    if (s.image != nullptr) out["img"] = pictures.put(s.image);
    if (!s.items.empty()) out["items"] = itemsJson(s, pictures);
    if (!s.columns.empty()) out["columns"] = s.columns;
    out["sel"] = s.curSel;
    if (s.droppedDown) out["dropped"] = true;
}

json menuItemsJson(const std::vector<WinMenuItem>& items, int depth) {
    json out = json::array();
    for (const WinMenuItem& i : items) {
        json item = {{"id", i.id}, {"text", i.text}, {"flags", i.flags}};
        const std::vector<WinMenuItem>* sub = i.popup ? winMenuItems(i.popup) : nullptr;
        if (sub != nullptr && depth < 4) item["sub"] = menuItemsJson(*sub, depth + 1);
        out.push_back(std::move(item));
    }
    return out;
}

json boxButtons(UINT buttons) {
    static const std::vector<std::pair<int, const char*>> kOk = {{IDOK, "OK"}};
    std::vector<std::pair<int, const char*>> list;
    switch (buttons) {
        case MB_OKCANCEL:
            list = {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
            break;
        case MB_ABORTRETRYIGNORE:
            list = {{IDABORT, "Abort"}, {IDRETRY, "Retry"}, {IDIGNORE, "Ignore"}};
            break;
        case MB_YESNOCANCEL:
            list = {{IDYES, "Yes"}, {IDNO, "No"}, {IDCANCEL, "Cancel"}};
            break;
        case MB_YESNO:
            list = {{IDYES, "Yes"}, {IDNO, "No"}};
            break;
        case MB_RETRYCANCEL:
            list = {{IDRETRY, "Retry"}, {IDCANCEL, "Cancel"}};
            break;
        default:
            list = kOk;
    }
    json out = json::array();
    for (auto& [id, label] : list) out.push_back({{"id", id}, {"label", label}});
    return out;
}

// The library's files and folders, as names below it with the module's separators.
json libraryListing(const std::string& hostDir) {
    namespace fs = std::filesystem;
    constexpr int kMaxEntries = 2000;
    json out = json::array();
    std::error_code ec;
    fs::recursive_directory_iterator it(hostDir, fs::directory_options::skip_permission_denied, ec);
    for (int n = 0; !ec && it != fs::recursive_directory_iterator() && n < kMaxEntries; ++n) {
        std::string name = it->path().lexically_relative(hostDir).string();
        for (char& c : name) c = c == '/' ? '\\' : c;
        out.push_back({{"name", name}, {"dir", it->is_directory(ec)}});
        it.increment(ec);
    }
    return out;
}

json questionJson(const WinQuestion& q, const std::string& hostDir, const std::string& winDir) {
    if (q.box != nullptr) {
        return {{"kind", "box"},
                {"text", q.box->text},
                {"caption", q.box->caption},
                {"icon", q.box->icon},
                {"buttons", boxButtons(q.box->buttons)}};
    }
    if (q.menu != nullptr) {
        return {{"kind", "menu"},
                {"x", q.menu->at.x},
                {"y", q.menu->at.y},
                {"items", menuItemsJson(q.menu->items, 0)}};
    }
    const FileChooserRecord& c = *q.chooser;
    return {{"kind", "files"},
            {"title", c.title},
            {"filter", c.filter},
            {"mode", c.kind == FileChooserRecord::Kind::Save     ? "save"
                     : c.kind == FileChooserRecord::Kind::Folder ? "folder"
                                                                 : "open"},
            {"multiple", c.multiple},
            {"defaultName", c.defaultName},
            {"folder", winDir},
            {"entries", libraryListing(hostDir)}};
}

}  // namespace

std::string windowKind(const WinWindow& w) {
    if (isClass(w, WC_BUTTON)) return buttonKind(w.style);
    if (isClass(w, WC_EDIT)) return "edit";
    if (isClass(w, WC_COMBOBOX)) return "combo";
    if (isClass(w, WC_LISTBOX)) return "list";
    if (isClass(w, WC_STATIC)) return "static";
    if (isClass(w, WC_TABCONTROL)) return "tab";
    if (isClass(w, WC_LISTVIEW)) return "listview";
    if (isClass(w, "fpSpread70") || isClass(w, "fpSpreadPreview70")) return "grid";
    return w.parent == nullptr || isClass(w, WC_DIALOG) ? "dialog" : "window";
}

json windowJson(HWND h, BitmapStore& pictures) {
    const WinWindow& w = *winWindowData(h);
    const WinFrame frame = winFrameOf(w.style, w.exStyle);
    json out = {{"h", number(h)},
                {"id", w.id},
                {"cls", w.className},
                {"kind", windowKind(w)},
                {"style", w.style},
                {"text", w.text},
                {"r", rectJson(w.rect)},
                {"frame", json::array({frame.border, frame.caption})},
                {"visible", (w.style & WS_VISIBLE) != 0},
                {"enabled", (w.style & WS_DISABLED) == 0},
                {"focus", GetFocus() == h}};
    std::string tip = w.tooltip.empty() ? winToolTipOf(h) : w.tooltip;
    if (!tip.empty()) out["tip"] = tip;
    addControlState(out, w, pictures);
    out["paint"] = paintJson(h, pictures);
    if (out["kind"] == "grid") out["grid"] = gridJson(h, pictures);
    json children = json::array();
    for (HWND child : w.children) {
        if (winWindowData(child) != nullptr) children.push_back(windowJson(child, pictures));
    }
    out["children"] = std::move(children);
    return out;
}

json windowTreeJson(BitmapStore& pictures) {
    json out = json::array();
    for (HWND top : winTopLevelWindows()) {
        const WinWindow* w = winWindowData(top);
        // The host's own frame window is the desktop behind the dialogs, not drawn.
        if (w == nullptr || !(w->style & WS_VISIBLE) || !isClass(*w, WC_DIALOG)) continue;
        winPaint(top);
        out.push_back(windowJson(top, pictures));
    }
    pictures.sweep();
    return out;
}

json questionsJson(const std::string& libraryHostDir, const std::string& libraryWindowsDir) {
    json out = json::array();
    for (const WinQuestion* q : winOpenQuestions()) {
        out.push_back(questionJson(*q, libraryHostDir, libraryWindowsDir));
    }
    return out;
}
