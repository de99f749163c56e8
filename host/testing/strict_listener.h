#pragma once
// The strict scripted user, for every test program: before each test the module-wide state
// is reset (with the reset of the program's highest layer), and a test that ends with things
// the scripted user could not do (winUserFailures) fails, naming each, unless it said it
// expects them (winExpectUserFailures).
#include <gtest/gtest.h>

// Adds the listener to GoogleTest's listeners; call after InitGoogleTest, before RUN_ALL_TESTS.
void vnInstallStrictListener(void (*reset)());

// Runs the test program: the strict listener with `reset`, then every test.
int vnRunStrictTests(int argc, char** argv, void (*reset)());
