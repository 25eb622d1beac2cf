#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "AnalyzerSession.h"
#include "talvinet/HostTexts.h"

namespace verda {
namespace {

volatile std::sig_atomic_t interrupted = 0;

void OnInterrupt(int) { interrupted = 1; }

// Ctrl-C asks the download to stop at its next poll, so the analyzer goes
// back to local mode and no partial file is left; a second Ctrl-C ends the
// program at once.
class InterruptRequest {
 public:
  InterruptRequest() {
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &previous_);
  }
  ~InterruptRequest() { sigaction(SIGINT, &previous_, nullptr); }
  InterruptRequest(const InterruptRequest&) = delete;
  InterruptRequest& operator=(const InterruptRequest&) = delete;

 private:
  struct sigaction previous_ {};
};

// The bytes received of the total and the percentage, redrawn in place on a
// terminal; nothing when standard error is not one.
class ProgressBar {
 public:
  ProgressBar() : shown_(isatty(STDERR_FILENO) != 0) {}
  ~ProgressBar() {
    if (drawn_) std::fputc('\n', stderr);
  }
  ProgressBar(const ProgressBar&) = delete;
  ProgressBar& operator=(const ProgressBar&) = delete;

  void Show(long received, long total) {
    if (!shown_ || (drawn_ && received == lastReceived_)) return;
    const int percent = total > 0 ? static_cast<int>(static_cast<double>(received) / total * 100.0) : 0;
    std::fprintf(stderr, "\rBytes received: %ld of %ld total %3d%%", received, total, percent);
    std::fflush(stderr);
    drawn_ = true;
    lastReceived_ = received;
  }

 private:
  bool shown_;
  bool drawn_ = false;
  long lastReceived_ = 0;
};

int RunDownload(std::vector<std::string> arguments) {
  if (arguments.size() != 2) return UsageError(kDownloadCommand, "expects a memory file name and an output file");
  const auto name = MemoryFileArgument(kDownloadCommand, {arguments[0]});
  if (!name) return kExitUsage;
  const std::string& output = arguments[1];
  AnalyzerSession session;
  if (!session.Open()) return kExitFailure;
  Talvinet& analyzer = session.Analyzer();
  // The file's header names the model.
  if (analyzer.InitHardwareInfo(0) == 0) return Fail(kExitFailure, "the analyzer did not tell its hardware setup");
  InterruptRequest interruptRequest;
  int copied = 0;
  {
    ProgressBar bar;
    copied = analyzer.CopyFileToHardDrive(name->c_str(), output.c_str(), 0,
                                          [&bar](unsigned int, long received, long total) {
                                            bar.Show(received, total);
                                            return interrupted != 0 ? 1L : 0L;
                                          },
                                          WM_DOWNLOAD_PROGRESS);
  }
  if (copied != 0) return kExitSuccess;
  const DownloadFailureStruct& failure = analyzer.GetDownloadFailure();
  if (interrupted != 0 || failure.step == talvinet::kDownloadCancelled) {
    return Fail(kExitFailure, "download cancelled; " + output + " was not written");
  }
  return Fail(kExitFailure, talvinet::DownloadFailureText(failure, arguments[0], output) + "; nothing was written");
}

}  // namespace

extern const Subcommand kDownloadCommand = {
    "download", "NAME OUT.vqb",
    "Copies the analyzer's memory file NAME, every record of it, into the binary\n"
    "data file OUT.vqb. On a terminal a progress line shows the bytes received of\n"
    "the total and the percentage. OUT.vqb is written only when every record\n"
    "arrived whole: a failed or cancelled (Ctrl-C) download leaves any file\n"
    "already there as it was. A failure says which step failed: the analyzer has\n"
    "no such file, a record (N of M) did not arrive whole and after how long, or\n"
    "OUT.vqb cannot be written and why. Over the parallel port there is no\n"
    "progress line and Ctrl-C ends the program without waiting.",
    RunDownload};

}  // namespace verda
