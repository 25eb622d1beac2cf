// One program run as a process of its own, timed from its start to its end
// as a user starting it from a shell would see it.
#pragma once

#include <string>
#include <vector>

// Wall time, and the processor time (user and system) of the process:
// the second is less disturbed by other work on a shared machine.
struct Times {
  double wall = 0;
  double cpu = 0;
};

// Runs `arguments` (the program's path first) with the standard output
// left out; false when it could not start or did not exit with status 0.
bool RunProcess(const std::vector<std::string>& arguments, Times& times);
