#include "VerdaRunner.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace {

std::string TakeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::remove(path.c_str());
  return text;
}

}  // namespace

int SpawnVerda(const std::vector<std::string>& arguments, int outputDescriptor, int errorDescriptor) {
  std::vector<std::string> all = {VERDA_PATH};
  all.insert(all.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& argument : all) argv.push_back(argument.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  const int targets[] = {STDOUT_FILENO, STDERR_FILENO};
  const int sources[] = {outputDescriptor, errorDescriptor};
  for (int i = 0; i < 2; ++i) {
    if (sources[i] >= 0) {
      posix_spawn_file_actions_adddup2(&actions, sources[i], targets[i]);
    } else {
      posix_spawn_file_actions_addopen(&actions, targets[i], "/dev/null", O_WRONLY, 0);
    }
  }
  pid_t child = 0;
  if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) != 0) child = 0;
  posix_spawn_file_actions_destroy(&actions);
  return child;
}

VerdaResult RunVerda(const std::vector<std::string>& arguments) {
  char outPath[] = "/tmp/verda-out-XXXXXX";
  char errPath[] = "/tmp/verda-err-XXXXXX";
  const int out = mkstemp(outPath);
  const int err = mkstemp(errPath);
  VerdaResult result;
  const pid_t child = SpawnVerda(arguments, out, err);
  if (child > 0) {
    int status = 0;
    waitpid(child, &status, 0);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }
  close(out);
  close(err);
  result.out = TakeFile(outPath);
  result.err = TakeFile(errPath);
  return result;
}
