#pragma once
// Printing the result of "vnstd eval": an aligned table or JSON of the variables (section,
// name, type, value before, value after), the 25 evaluation timers, and the summary of a
// folder run.
#include <cstdio>
#include <string>
#include <vector>

#include "cmd_eval_run.h"

void printEvalTable(std::FILE* out, const EvalResult& result);
// The 25 timers as an aligned table (name, laps, total milliseconds).
void printTimerTable(std::FILE* out);
// One JSON object: {"standard", "macro", "ok", "reason", "variables": [...], "timings"?}.
void printEvalJson(std::FILE* out, const std::string& standard, const std::string& macro,
                   const EvalResult& result, bool timings);

// A JSON string literal of bytes with code page 1252 meaning.
std::string jsonString(const std::string& bytes);
