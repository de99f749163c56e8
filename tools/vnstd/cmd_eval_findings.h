#pragma once
// What "vnstd eval" says about an evaluation's report: one warning per message box shown, per
// variable that could not be retrieved or set, per failed CallChild and child standard that
// did not load, and per data or section file that could not be read; and, for a failed
// evaluation, the reason naming the step that failed (and for a standard that did not load,
// the file and its first bad line).
#include <string>
#include <vector>

#include "vn_eval_report.h"

std::vector<std::string> reportWarnings(const VnEvalReport& report);
std::string failureReason(const std::string& standard, const VnEvalReport& report);
// Why --write refuses to write (empty when the evaluation ran on everything it needed).
std::string incompleteReason(const VnEvalReport& report);
