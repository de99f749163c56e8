#include <gtest/gtest.h>

#include <deque>

#include "modal_loop.h"
#include "win.h"
#include "win_driver.h"

namespace {

// A front end's source: it sees every question while it is open and answers from its list.
class AnsweringSource : public EventSource {
  public:
    std::deque<UserAction> actions;
    std::vector<std::string> seen;  // what each question showed, as the person saw it
    size_t openWhileAsked = 0;

    std::optional<UserAction> next(HWND) override {
        if (actions.empty()) return std::nullopt;
        UserAction a = actions.front();
        actions.pop_front();
        return a;
    }
    const UserAction* peek() override { return actions.empty() ? nullptr : &actions.front(); }
    std::optional<UserAction> answer(const WinQuestion& q) override {
        openWhileAsked = winOpenQuestions().size();
        if (q.box) seen.push_back("box:" + q.box->text);
        if (q.menu) seen.push_back("menu:" + q.menu->items.at(0).text);
        if (q.chooser) seen.push_back("files:" + q.chooser->title);
        return next(nullptr);
    }
};

UserAction action(UserAction::Kind kind, int index = -1, std::vector<std::string> files = {}) {
    UserAction a;
    a.kind = kind;
    a.index = index;
    a.files = std::move(files);
    return a;
}

class LiveQuestions : public ::testing::Test {
  protected:
    void SetUp() override {
        winResetForTests();
        winPushEventSource(&source);
    }
    void TearDown() override { winResetForTests(); }
    AnsweringSource source;
};

TEST_F(LiveQuestions, BoxMenuAndChooserAreShownToTheSourceWhileOpen) {
    source.actions = {action(UserAction::Kind::Answer, IDYES),
                      action(UserAction::Kind::MenuChoice, 7),
                      action(UserAction::Kind::Files, -1, {"C:\\lib\\a.txt"})};
    EXPECT_EQ(MessageBox(nullptr, "Replace it?", "Save", MB_YESNO), IDYES);
    EXPECT_EQ(source.openWhileAsked, 1u);

    HMENU menu = CreatePopupMenu();
    AppendMenu(menu, MF_STRING, 7, "Copy");
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 5, 5, 0, nullptr, nullptr), 7);

    FileChooserRecord request;
    request.title = "Open sheet";
    auto chosen = winChooseFiles(request);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->at(0), "C:\\lib\\a.txt");

    EXPECT_EQ(source.seen,
              (std::vector<std::string>{"box:Replace it?", "menu:Copy", "files:Open sheet"}));
    EXPECT_TRUE(winOpenQuestions().empty());
    DestroyMenu(menu);
}

TEST_F(LiveQuestions, AnAnswerThatIsNoButtonStillFallsBackToTheSafeDefault) {
    source.actions = {action(UserAction::Kind::Answer, IDRETRY)};
    EXPECT_EQ(MessageBox(nullptr, "Delete?", "Delete", MB_YESNOCANCEL), IDCANCEL);
    EXPECT_EQ(winUserFailures().size(), 1u);
    winClearUserFailures();
}

TEST_F(LiveQuestions, MessageLoopPerformsLiveActionsOnTheWindowTheyName) {
    winPopEventSource();
    HWND window = CreateWindowEx(0, WC_BUTTON, "Top", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                                 100, nullptr, nullptr, nullptr, nullptr);
    HWND check = CreateWindowEx(0, WC_BUTTON, "On", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 5, 5,
                                60, 14, window, reinterpret_cast<HMENU>(40), nullptr, nullptr);
    auto live = std::make_shared<AnsweringSource>();
    UserAction click = action(UserAction::Kind::Click);
    click.control = 40;
    click.target = window;
    UserAction lost = click;
    lost.target = reinterpret_cast<HWND>(0x7777);  // no such window: skipped
    live->actions = {lost, click};
    winSetLiveEventSource(live);
    int rounds = 0;
    winRunMessageLoop([&] { return ++rounds > 5; });
    EXPECT_EQ(SendMessage(check, BM_GETCHECK, 0, 0), BST_CHECKED);
    winSetLiveEventSource(nullptr);
}

}  // namespace
