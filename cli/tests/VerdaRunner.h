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
