// Things the scripted user could not do (a click on a disabled or missing control, an item
// that is not in the list, an answer that is not a button of the box, steps left over when
// a dialog ended). A person could not have done them, so a test usually asserts this list is
// empty after driving a dialog.
#pragma once

#include <string>
#include <vector>

#include "win_driver_only.h"

void winReportUserFailure(const std::string& what);
const std::vector<std::string>& winUserFailures();
void winClearUserFailures();
// A test that means to leave failures says so; the strict test listener then does not fail
// it for them. The window system's reset clears the mark.
void winExpectUserFailures(bool expected = true);
bool winUserFailuresExpected();
