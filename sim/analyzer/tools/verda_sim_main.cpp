// verda-sim: a virtual analyzer on a pseudo-terminal. The first line of
// standard output is the terminal's device path; SIGINT or SIGTERM ends it.
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "simanalyzer/PtyAnalyzer.h"
#include "simanalyzer/SimOptions.h"

int main(int argc, char** argv) {
  using namespace simanalyzer;
  if (argc == 2 && std::string(argv[1]) == "--version") {
    std::puts("verda-sim " VERDALON_VERSION);
    return 0;
  }
  std::string problem;
  const auto options = ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc), problem);
  if (!options) {
    std::fprintf(stderr, "verda-sim: %s\n%s", problem.c_str(), kSimUsage);
    return 2;
  }
  if (options->help) {
    std::fputs(kSimUsage, stdout);
    return 0;
  }
  VirtualAnalyzer analyzer(options->model);
  std::vector<std::string> warnings;
  if (!ApplySimOptions(*options, VERDALON_DEMO_VQB, analyzer, problem, warnings)) {
    std::fprintf(stderr, "verda-sim: %s\n", problem.c_str());
    return 1;
  }
  for (const std::string& warning : warnings) std::fprintf(stderr, "verda-sim: %s\n", warning.c_str());

  // Block the stop signals before the serving thread starts, so only sigwait sees them.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

  PtyAnalyzer server(std::move(analyzer), options->pacing);
  if (!server.Start(problem)) {
    std::fprintf(stderr, "verda-sim: %s\n", problem.c_str());
    return 1;
  }
  std::printf("%s\n", server.DevicePath().c_str());
  std::fflush(stdout);
  int received = 0;
  sigwait(&stopSignals, &received);
  server.Stop();
  return 0;
}
