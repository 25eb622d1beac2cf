#include "BatchTranslation.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <map>
#include <mutex>
#include <thread>

#include "CommandLine.h"

namespace verda {
namespace {

namespace fs = std::filesystem;

// Messages and the "Translated N of M files" line on standard error, from
// every job in turn. On a terminal the progress line stays last, redrawn in
// place; elsewhere there is none.
class BatchReport {
 public:
  explicit BatchReport(std::size_t total) : total_(total), onTerminal_(isatty(STDERR_FILENO) != 0) {}
  ~BatchReport() {
    if (drawn_) std::fputc('\n', stderr);
  }
  BatchReport(const BatchReport&) = delete;
  BatchReport& operator=(const BatchReport&) = delete;

  void Finished(const std::string& input, const morvane::TranslationOutcome& outcome) {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (drawn_) std::fputs("\r\033[K", stderr);
    for (const std::string& warning : outcome.warnings) std::fprintf(stderr, "verda: %s\n", warning.c_str());
    if (outcome.nothingTranslated) std::fprintf(stderr, "verda: %s: %s\n", input.c_str(), morvane::kNothingTranslated);
    if (!outcome.failure.empty()) std::fprintf(stderr, "verda: %s\n", outcome.failure.c_str());
    ++done_;
    if (onTerminal_) {
      std::fprintf(stderr, "\rTranslated %zu of %zu files", done_, total_);
      drawn_ = true;
    }
    std::fflush(stderr);
  }

 private:
  std::mutex mutex_;
  std::size_t total_;
  std::size_t done_ = 0;
  bool onTerminal_;
  bool drawn_ = false;
};

}  // namespace

morvane::TranslationOutcome TranslateOneFile(const morvane::TranslationRequest& request, const std::string& input,
                                             const std::string& output) {
  morvane::TranslationOutcome outcome = morvane::TranslateFile(request, input, output);
  if (outcome.outputNotWritten) outcome.failure = WriteFailure(output, outcome.failure);
  return outcome;
}

int TranslateInto(const morvane::TranslationRequest& request, const std::string& folder,
                  const std::vector<std::string>& inputs, unsigned jobs) {
  std::error_code error;
  if (!fs::is_directory(folder, error)) return Fail(kExitFailure, folder + ": is not a folder");
  std::vector<std::string> outputs;
  std::map<std::string, std::string> inputOf;
  for (const std::string& input : inputs) {
    const std::string output = (fs::path(folder) / fs::path(input).stem()).string() + ".csv";
    const auto [earlier, fresh] = inputOf.emplace(output, input);
    if (!fresh) return UsageError(kTranslateCommand, input + " and " + earlier->second + " would both become " + output);
    outputs.push_back(output);
  }

  BatchReport report(inputs.size());
  std::atomic<std::size_t> next{0};
  std::atomic<bool> anyFailed{false};
  const auto work = [&] {
    for (std::size_t i = next++; i < inputs.size(); i = next++) {
      const morvane::TranslationOutcome outcome = TranslateOneFile(request, inputs[i], outputs[i]);
      if (!outcome.failure.empty()) anyFailed = true;
      report.Finished(inputs[i], outcome);
    }
  };
  std::vector<std::thread> workers;
  const std::size_t workerCount = std::min<std::size_t>(std::max(jobs, 1u), inputs.size());
  for (std::size_t i = 1; i < workerCount; ++i) workers.emplace_back(work);
  work();
  for (std::thread& worker : workers) worker.join();
  return anyFailed ? kExitFailure : kExitSuccess;
}

}  // namespace verda
