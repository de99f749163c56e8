#include "user_failures.h"

#include "win_driver.h"

namespace {

std::vector<std::string>& failures() {
    static std::vector<std::string> f;
    return f;
}

bool& expectedFlag() {
    static bool expected = false;
    return expected;
}

}  // namespace

void winReportUserFailure(const std::string& what) {
    failures().push_back(what);
}
const std::vector<std::string>& winUserFailures() {
    return failures();
}
void winClearUserFailures() {
    failures().clear();
}
void winExpectUserFailures(bool expected) {
    expectedFlag() = expected;
}
bool winUserFailuresExpected() {
    return expectedFlag();
}
