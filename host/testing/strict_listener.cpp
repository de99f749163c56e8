#include "strict_listener.h"

#include <string>

#include "user_failures.h"
#include "win_driver.h"

namespace {

class StrictListener : public ::testing::EmptyTestEventListener {
  public:
    explicit StrictListener(void (*reset)()) : reset_(reset) {}

    void OnTestStart(const ::testing::TestInfo&) override {
        if (reset_ != nullptr) reset_();
    }

    // Runs before the result printer's (listeners hear of a test's end in reverse order), so
    // the failure added here is shown with the test and counted.
    void OnTestEnd(const ::testing::TestInfo&) override {
        if (winUserFailuresExpected() || winUserFailures().empty()) return;
        std::string list;
        for (const std::string& failure : winUserFailures()) list += "\n  " + failure;
        ADD_FAILURE() << "the scripted user could not do " << winUserFailures().size()
                      << " step(s):" << list;
    }

  private:
    void (*reset_)();
};

}  // namespace

void vnInstallStrictListener(void (*reset)()) {
    ::testing::UnitTest::GetInstance()->listeners().Append(new StrictListener(reset));
}

int vnRunStrictTests(int argc, char** argv, void (*reset)()) {
    ::testing::InitGoogleTest(&argc, argv);
    vnInstallStrictListener(reset);
    return RUN_ALL_TESTS();
}
