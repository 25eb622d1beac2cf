// A virtual analyzer served on a pseudo-terminal for verda to open, and a
// folder for the files verda writes.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "simanalyzer/PtyAnalyzer.h"
#include "simanalyzer/VirtualAnalyzer.h"

namespace verdatest {

namespace fs = std::filesystem;

inline std::string FileText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class AnalyzerCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() / ("verda-analyzer-" + std::to_string(::getpid()) + "-" +
                                          ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  void TearDown() override {
    if (server) server->Stop();
    fs::remove_all(folder);
  }

  // Serves `analyzer`, unpaced unless `pacing` says otherwise.
  void Serve(simanalyzer::VirtualAnalyzer analyzer, simanalyzer::Pacing pacing = {}) {
    server = std::make_unique<simanalyzer::PtyAnalyzer>(std::move(analyzer), pacing);
    std::string problem;
    ASSERT_TRUE(server->Start(problem)) << problem;
  }

  // The global options that reach the served analyzer, then `arguments`.
  std::vector<std::string> On(std::vector<std::string> arguments) const {
    arguments.insert(arguments.begin(), {"--port", server->DevicePath(), "--baud", "19200"});
    return arguments;
  }

  std::vector<std::string> FolderContents() const {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }

  fs::path folder;
  std::unique_ptr<simanalyzer::PtyAnalyzer> server;
};

}  // namespace verdatest
