// Uses each of the three libraries once, through their installed headers.
#include <cstdio>

#include "lintarra/Lintarra.h"
#include "morvane/Morvane.h"
#include "talvinet/Talvinet.h"

int main() {
  Morvane file("/nonexistent/file.vqb");
  Talvinet analyzer;
  SetTimeout(1234);
  const bool sound = file.GetRecordCount() == 0 && analyzer.IsConnectionOpen() == 0 && GetTimeout() == 1234;
  std::printf("Morvane %s: %s\n", Morvane::Version(), sound ? "ok" : "wrong");
  return sound ? 0 : 1;
}
