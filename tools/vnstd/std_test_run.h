#pragma once
// Running the case files of "vnstd test" (std_case_file.h): each case is evaluated as
// "vnstd eval" evaluates a macro file, in this one process, and its expectations compared
// with the Input and Output values the evaluation ended with.
#include <string>
#include <vector>

// What one expectation met.
struct StdTestMismatch {
    std::string name;
    std::string expected;
    std::string actual;    // empty with missing set
    bool missing = false;  // the standard has no Input or Output of that name
};

struct StdTestOutcome {
    std::string file;  // the case file (host path)
    bool passed = false;
    std::string error;  // why the case could not be run (parse, evaluation)
    std::vector<StdTestMismatch> mismatches;
    std::vector<std::string> actualValues;  // per expectation, when evaluated ("" if missing)
    double seconds = 0.0;
};

// The case files of a folder ("*.case", its subfolders included), in path order.
std::vector<std::string> stdCaseFiles(const std::string& dir);

// Runs one case file.
StdTestOutcome runStdCase(const std::string& file);

// Writes the actual values into the case file (atomically; only when its text changes).
// False with a message when the case was not evaluated, a value cannot stand in a case file,
// or the file cannot be written.
bool updateStdCase(const StdTestOutcome& outcome, bool& changed, std::string& error);

// The lines "FILE: NAME: expected E, got A" (or "FILE: why it could not run") of a failed
// case; empty for a passed one.
std::string stdTestFailureLines(const StdTestOutcome& outcome);

// A JUnit XML report of the outcomes (one testsuite, one testcase per case file).
std::string stdTestJunit(const std::string& suite, const std::vector<StdTestOutcome>& outcomes);
