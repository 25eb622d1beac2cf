// Serves a virtual analyzer on a pseudo-terminal from its own thread. The
// host opens DevicePath() as it would a serial port.
#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "simanalyzer/Pacer.h"
#include "simanalyzer/VirtualAnalyzer.h"

namespace simanalyzer {

class PtyAnalyzer {
 public:
  explicit PtyAnalyzer(VirtualAnalyzer analyzer, Pacing pacing = {});
  ~PtyAnalyzer();
  PtyAnalyzer(const PtyAnalyzer&) = delete;
  PtyAnalyzer& operator=(const PtyAnalyzer&) = delete;

  // Opens the pseudo-terminal and starts serving it. False, with `problem`
  // saying why, when the system refuses.
  bool Start(std::string& problem);
  // Stops serving and closes the pseudo-terminal; safe to call twice.
  void Stop();

  // The slave side, such as /dev/pts/7; empty until started.
  const std::string& DevicePath() const { return devicePath_; }

  // Runs `use` on the analyzer while the serving thread keeps off it.
  void WithAnalyzer(const std::function<void(VirtualAnalyzer&)>& use);

 private:
  bool OpenTerminal(std::string& problem);
  void CloseAll();
  void Serve();

  VirtualAnalyzer analyzer_;
  std::mutex analyzerMutex_;
  Pacing pacing_;
  int master_ = -1;
  // Held open so the line keeps its raw settings and the master never sees a hang-up.
  int slave_ = -1;
  int wakeRead_ = -1;
  int wakeWrite_ = -1;
  std::string devicePath_;
  std::thread server_;
};

}  // namespace simanalyzer
