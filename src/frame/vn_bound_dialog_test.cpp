#include "vn_bound_dialog.h"

#include <gtest/gtest.h>

#include <string>

#include "win_driver.h"

namespace {

constexpr UINT kResource = 9401;
constexpr int kName = 101, kShowMore = 102, kMore = 103, kClear = 104;

const DialogTemplateRegistration kTemplate(
    {kResource,
     "Bound",
     kDialogStyle,
     0,
     0,
     200,
     100,
     {
         {kName, WC_EDIT, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 0, "", 7, 7, 100, 14},
         {kShowMore, WC_BUTTON, BS_AUTOCHECKBOX | WS_TABSTOP, 0, "Show more", 7, 25, 80, 10},
         {kMore, WC_STATIC, 0, 0, "More", 7, 40, 80, 10},
         {kClear, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "Clear", 7, 55, 50, 14},
         {IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, "OK", 140, 80, 50, 14},
     }});

struct Model {
    std::string name = "start";
    bool showMore = false;
};

class BoundDialog : public VnBoundDialog {
  public:
    explicit BoundDialog(Model& m) : VnBoundDialog(kResource) {
        bind({
            VnBinding::textField(
                kName, [&m] { return m.name; }, [&m](const std::string& t) { m.name = t; }),
            VnBinding::checkBox(
                kShowMore, [&m] { return m.showMore; }, [&m](bool on) { m.showMore = on; }),
            VnBinding::label(kMore, 4711).visibleWhen([&m] { return m.showMore; }),
            VnBinding::button(kClear, [&m] { m.name.clear(); }).enabledWhen([&m] {
                return !m.name.empty();
            }),
        });
    }
    int changes = 0;

  protected:
    void onModelChanged() override { ++changes; }
};

TEST(BoundDialog, ValuesGoInChangesComeBackAndRulesFollowTheModel) {
    Model m;
    winScriptNextDialog(
        kResource, Script()
                       .then([](HWND d) {
                           EXPECT_EQ(winGetText(GetDlgItem(d, kName)), "start");
                           EXPECT_TRUE(IsWindowEnabled(GetDlgItem(d, kClear)));
                           EXPECT_FALSE(IsWindowVisible(GetDlgItem(d, kMore)));
                           // No text table in this test: the key's placeholder shows.
                           EXPECT_EQ(winGetText(GetDlgItem(d, kMore)), "#4711");
                       })
                       .click(kShowMore)
                       .click(kClear)
                       .then([&](HWND d) {
                           EXPECT_EQ(winGetText(GetDlgItem(d, kName)), "");
                           EXPECT_FALSE(IsWindowEnabled(GetDlgItem(d, kClear)));
                           EXPECT_TRUE(IsWindowVisible(GetDlgItem(d, kMore)));
                       })
                       .type(kName, "typed")
                       .then([](HWND d) { EXPECT_TRUE(IsWindowEnabled(GetDlgItem(d, kClear))); })
                       .click(IDOK));
    BoundDialog dialog(m);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(m.name, "typed");
    EXPECT_TRUE(m.showMore);
    EXPECT_GE(dialog.changes, 3);
}

}  // namespace
