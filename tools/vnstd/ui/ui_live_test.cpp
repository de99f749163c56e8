#include <gtest/gtest.h>

#include <chrono>
#include <nlohmann/json.hpp>
#include <thread>

#include "dlg_open_save.h"
#include "frame.h"
#include "grid.h"
#include "ktx_spread_dlg.h"
#include "path_translation.h"
#include "tree_json.h"
#include "ui_session.h"

namespace {

using json = nlohmann::json;
using namespace std::chrono_literals;

constexpr UINT kAskDialog = 9701;
constexpr int kAskButton = 101;

const DialogTemplateRegistration kAskTemplate(
    {kAskDialog,
     "Ask",
     kDialogStyle,
     0,
     0,
     120,
     60,
     {{kAskButton, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "Ask", 5, 5, 50, 14},
      {IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, "OK", 60, 40, 50, 14}}});

// A dialog whose button asks a question in a message box and keeps the answer.
class AskDialog : public CDialog {
  public:
    AskDialog() : CDialog(kAskDialog) {
        onClicked(kAskButton,
                  [this] { answer = ::MessageBox(m_hWnd, "Keep it?", "Ask", MB_YESNO); });
    }
    int answer = 0;
};

json findWindow(const json& windows, int id) {
    for (const json& w : windows) {
        if (w["id"] == id) return w;
        json found = findWindow(w["children"], id);
        if (!found.is_null()) return found;
    }
    return json();
}

class LiveUi : public ::testing::Test {
  protected:
    void SetUp() override {
        frameResetForTests();
        winResetForTests();
        session =
            std::make_unique<UiSession>(ScenarioPlace{VN_SOURCE_DIR "/examples/library", "/tmp"});
    }
    void TearDown() override {
        if (page.joinable()) page.join();
        session.reset();
        frameResetForTests();
        winResetForTests();
    }
    // The page's side: waits for a state that `ready` accepts, then sends `events`.
    void pageSends(std::function<bool(const json&)> ready, std::vector<std::string> events) {
        pageTasks.push_back({std::move(ready), std::move(events)});
    }
    void startPage() {
        page = std::thread([this] {
            long version = 0;
            for (auto& [ready, events] : pageTasks) {
                for (int tries = 0; tries < 200; ++tries) {
                    auto [v, text] = session->source().state(version, 50ms);
                    version = v;
                    if (!text.empty() && ready(json::parse(text))) break;
                }
                for (const std::string& e : events) {
                    std::string error;
                    session->source().push(*parsePageEvent(resolve(e), error));
                }
            }
        });
    }
    std::string resolve(std::string event) {
        size_t at = event.find("$OK");
        if (at != std::string::npos) event.replace(at, 3, std::to_string(okHandle));
        return event;
    }

    std::unique_ptr<UiSession> session;
    std::thread page;
    std::vector<std::pair<std::function<bool(const json&)>, std::vector<std::string>>> pageTasks;
    unsigned long okHandle = 0;
};

bool dialogOpen(const json& state) {
    return !state["windows"].empty();
}

TEST_F(LiveUi, FormulasDialogIsSerialisedWithItsControlsAndGrid) {
    json seen;
    winScriptNextDialog(
        Ktx_SpreadDlg::kResourceId,
        Script().then([&](HWND) { seen = json::parse(session->snapshot()); }).click(IDOK));
    Ktx_SpreadDlg dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    ASSERT_EQ(seen["windows"].size(), 1u);
    const json& top = seen["windows"][0];
    EXPECT_EQ(top["text"], "Formulas");
    EXPECT_EQ(top["kind"], "dialog");
    EXPECT_EQ(top["frame"], json::array({3, 19}));
    json ok = findWindow(seen["windows"], IDOK);
    EXPECT_EQ(ok["kind"], "default");
    EXPECT_EQ(ok["text"], "OK");
    EXPECT_EQ(ok["r"], json::array({432, 388, 75, 23}));
    EXPECT_EQ(findWindow(seen["windows"], Ktx_SpreadDlg::kStyleDefault)["check"], BST_CHECKED);
    EXPECT_EQ(findWindow(seen["windows"], Ktx_SpreadDlg::kAutoCalculate)["kind"], "check");
    EXPECT_EQ(findWindow(seen["windows"], Ktx_SpreadDlg::kFileName)["kind"], "edit");
    json grid = findWindow(seen["windows"], Ktx_SpreadDlg::kGrid)["grid"];
    EXPECT_EQ(grid["cols"], 8);
    EXPECT_EQ(grid["rows"], 10);
    EXPECT_EQ(grid["cells"][1][1]["type"], SS_CELLTYPE_NUMBER);
    EXPECT_EQ(grid["cells"][0][1], "");
    EXPECT_EQ(grid["widths"][0], 40);
}

TEST_F(LiveUi, OkFromThePageEndsTheDialogLikeAScript) {
    pageSends(dialogOpen, {R"({"kind":"cell","id":1004,"col":2,"row":2,"text":"=20+22"})",
                           R"({"kind":"click","id":1107})", R"({"kind":"click","id":1})"});
    startPage();
    Ktx_SpreadDlg live;
    EXPECT_EQ(live.DoModal(), IDOK);
    EXPECT_TRUE(winUserFailures().empty());
    winScriptNextDialog(Ktx_SpreadDlg::kResourceId, Script().click(IDOK));
    Ktx_SpreadDlg scripted;
    EXPECT_EQ(scripted.DoModal(), IDOK);
}

TEST_F(LiveUi, MessageBoxOpenedByAClickIsAnsweredFromThePage) {
    auto boxOpen = [](const json& s) {
        return !s["questions"].empty() && s["questions"][0]["text"] == "Keep it?";
    };
    pageSends(dialogOpen, {R"({"kind":"click","id":101})"});
    // A click on the dialog while the box is open is refused; the answer is taken.
    pageSends(boxOpen, {R"({"kind":"click","id":1})", R"({"kind":"answer","index":6})"});
    pageSends([](const json& s) { return s["questions"].empty(); }, {R"({"kind":"click","id":1})"});
    startPage();
    AskDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.answer, IDYES);
    ASSERT_EQ(winMessageBoxes().size(), 1u);
    EXPECT_EQ(winMessageBoxes()[0].answer, IDYES);
}

TEST_F(LiveUi, EventForAVanishedWindowIsRefusedAndTheDialogStaysOpen) {
    HWND gone = CreateWindowEx(0, WC_BUTTON, "x", WS_VISIBLE, 0, 0, 5, 5, nullptr, nullptr, nullptr,
                               nullptr);
    const auto goneHandle = static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(gone));
    DestroyWindow(gone);
    std::string refusal;
    pageSends(dialogOpen, {R"({"kind":"click","window":)" + std::to_string(goneHandle) + "}"});
    pageSends(
        [&](const json& s) {
            refusal = s["refusal"];
            return !refusal.empty();
        },
        {R"({"kind":"click","id":1})"});
    startPage();
    AskDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_NE(refusal.find("no longer exists"), std::string::npos) << refusal;
    EXPECT_TRUE(winMessageBoxes().empty());
}

TEST(PageTree, NoTwoDialogsOfTheProgramShareATemplateId) {
    EXPECT_TRUE(dialogTemplateDuplicates().empty())
        << "template id " << dialogTemplateDuplicates().front() << " is registered twice";
}

TEST(PageTree, ListViewItemsCarryThePicturesOfTheirImageList) {
    HWND view = CreateWindow(WC_LISTVIEW, "", WS_POPUP | WS_VISIBLE | LVS_ICON, 0, 0, 200, 100,
                             nullptr, nullptr, nullptr, nullptr);
    CImageList thumbs;
    ASSERT_TRUE(thumbs.Create(8, 8, ILC_COLOR32, 0, 1));
    BitmapImage red(8, 8, false);
    red.fill(RGB(255, 0, 0));
    CBitmap picture;
    picture.Attach(gdiCreateBitmapFromImage(red));
    thumbs.Add(&picture, nullptr);
    SendMessage(view, LVM_SETIMAGELIST, LVSIL_NORMAL,
                reinterpret_cast<LPARAM>(thumbs.m_hImageList));
    CListCtrl list;
    list.Attach(view);
    list.InsertItem(0, "Plate", 0);
    list.InsertItem(1, "No picture", 5);
    BitmapStore pictures;
    const json w = windowJson(view, pictures);
    ASSERT_EQ(w["items"].size(), 2u);
    ASSERT_TRUE(w["items"][0].contains("img"));
    EXPECT_FALSE(w["items"][1].contains("img"));
    const auto file = pictures.get(w["items"][0]["img"]);
    ASSERT_TRUE(file);
    EXPECT_EQ(decodeBmp(*file)->pixel(3, 3), RGB(255, 0, 0));
}

constexpr UINT kCanvasDialog = 9703;
constexpr int kCanvas = 10, kOpen = 11;

const DialogTemplateRegistration kCanvasTemplate(
    {kCanvasDialog,
     "Canvas",
     kDialogStyle | WS_THICKFRAME,
     0,
     0,
     160,
     100,
     {{kCanvas, WC_STATIC, SS_NOTIFY, 0, "", 5, 5, 100, 60},
      {kOpen, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "Open", 110, 5, 45, 14},
      {IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, "OK", 105, 80, 50, 14}}});

// A surface that logs presses and releases and offers a popup menu on a right click.
class Canvas : public CWnd {
  public:
    std::vector<std::string> log;

  protected:
    void OnLButtonDown(UINT, CPoint p) override { log.push_back("down " + text(p)); }
    void OnLButtonUp(UINT, CPoint p) override { log.push_back("up " + text(p)); }
    void OnContextMenu(CWnd*, CPoint p) override {
        CMenu menu;
        menu.CreatePopupMenu();
        menu.AppendMenu(MF_STRING, 101, "Copy");
        menu.AppendMenu(MF_STRING, 102, "Delete");
        const UINT chosen = menu.TrackPopupMenu(TPM_RETURNCMD, p.x, p.y, this);
        log.push_back("menu " + std::to_string(chosen));
    }
    static std::string text(CPoint p) { return std::to_string(p.x) + "," + std::to_string(p.y); }
};

class CanvasDialog : public CDialog {
  public:
    CanvasDialog() : CDialog(kCanvasDialog) {
        onClicked(kOpen, [this] {
            opened = DlgOpenSave(true, "txt", "Texts (*.txt)", "Open", "C:\\").str();
        });
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        canvas.SubclassDlgItem(kCanvas, this);
        return TRUE;
    }
    void OnSize(UINT, int cx, int cy) override { size = {cx, cy}; }
    Canvas canvas;
    std::string opened;
    std::pair<int, int> size;
};

bool questionOpen(const json& state, const char* kind) {
    return !state["questions"].empty() && state["questions"][0]["kind"] == kind;
}

TEST_F(LiveUi, DragRightClickMenuFileChoiceAndResizeFromThePage) {
    const std::string english =
        std::string(windowsPathFromHost(VN_SOURCE_DIR "/examples/library").c_str()) +
        "\\Texts\\English.txt";
    pageSends(dialogOpen, {R"({"kind":"drag","id":10,"x":5,"y":6,"x2":40,"y2":30})",
                           R"({"kind":"rightclick","id":10,"x":20,"y":20})"});
    pageSends([](const json& s) { return questionOpen(s, "menu"); },
              {R"({"kind":"menu","index":102})", R"({"kind":"click","id":11})"});
    pageSends([](const json& s) { return questionOpen(s, "files"); },
              {json({{"kind", "files"}, {"files", {english}}}).dump(),
               R"({"kind":"resize","id":0,"x":400,"y":300})", R"({"kind":"click","id":1})"});
    startPage();
    CanvasDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    const std::vector<std::string> expected = {"down 5,6", "up 40,30", "menu 102"};
    EXPECT_EQ(dialog.canvas.log, expected);
    EXPECT_EQ(dialog.opened, english);
    ASSERT_FALSE(winPopupMenus().empty());
    EXPECT_EQ(winFileChoosers().back().title, "Open");
    EXPECT_GT(dialog.size.first, 300);
    EXPECT_TRUE(winUserFailures().empty());
}

TEST(PageEvents, MalformedOrUnknownEventsAreRefusedWithAReason) {
    std::string error;
    EXPECT_FALSE(parsePageEvent("not json", error));
    EXPECT_FALSE(parsePageEvent(R"({"kind":"format-disk"})", error));
    EXPECT_EQ(error, "unknown event kind 'format-disk'");
    EXPECT_FALSE(parsePageEvent(R"({"kind":"click","window":"x"})", error));
    EXPECT_TRUE(parsePageEvent(R"({"kind":"type","id":5,"text":"12"})", error));
}

TEST(PageEvents, FileChooserAnswersOutsideTheLibraryAreRefused) {
    pageEventsSetLibraryFolder("C:\\lib\\");
    FileChooserRecord chooser;
    WinQuestion question{UserAction::Kind::Files, nullptr, nullptr, &chooser};
    std::string error;
    auto answer = [&](const std::string& path) {
        PageEvent e;
        e.kind = "files";
        e.files = {path};
        return answerForEvent(e, question, error).has_value();
    };
    EXPECT_TRUE(answer("C:\\lib\\Texts\\English.txt"));
    EXPECT_TRUE(answer("c:\\LIB\\a.sss"));
    EXPECT_FALSE(answer("C:\\lib\\..\\secret.txt"));
    EXPECT_FALSE(answer("C:\\lib\\Texts/../../secret.txt"));
    EXPECT_FALSE(answer("C:\\library2\\a.txt"));
    EXPECT_FALSE(answer("D:\\other.txt"));
    EXPECT_NE(error.find("outside the library folder"), std::string::npos);
    PageEvent menu;
    menu.kind = "menu";
    EXPECT_FALSE(answerForEvent(menu, question, error));
}

}  // namespace
