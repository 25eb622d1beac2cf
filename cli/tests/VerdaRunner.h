// Runs the verda program as a user would and collects what it printed.
#pragma once

#include <string>
#include <vector>

struct VerdaResult {
  int status = -1;
  std::string out;
  std::string err;
};

VerdaResult RunVerda(const std::vector<std::string>& arguments);

// Starts verda with standard input from /dev/null and its standard output
// and error on the given descriptors (-1: /dev/null). Returns the process
// id, or 0 when it could not be started.
int SpawnVerda(const std::vector<std::string>& arguments, int outputDescriptor, int errorDescriptor);
