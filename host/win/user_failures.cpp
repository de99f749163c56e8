#include "user_failures.h"

namespace {

std::vector<std::string>& failures() {
    static std::vector<std::string> f;
    return f;
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
