// This test program run again in a process of its own with only the test
// that runs now, and the environment given: for a test that checks a game
// played in a new process plays as it does in this one.
#pragma once

#include <string>
#include <vector>

// `extraEnvironment` holds "NAME=value" words added to this process's
// environment. True when the child ran and passed.
bool RunThisTestInAChild(const std::vector<std::string>& extraEnvironment);
