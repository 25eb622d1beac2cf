// Runs an action while every write beyond a few bytes fails, as on a full disk.
#pragma once

#include <sys/resource.h>

#include <csignal>

template <typename Action>
auto WithFullDisk(rlim_t bytesThatFit, Action action) {
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = bytesThatFit;
  setrlimit(RLIMIT_FSIZE, &small);
  const auto result = action();
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);
  return result;
}
