#include "CommandLine.h"

#include <cerrno>
#include <cstdlib>
#include <iostream>
#include <utility>

#include "talvinet/WholeFile.h"

namespace verda {

const Subcommand* FindSubcommand(const std::string& name) {
  for (const Subcommand& command : Subcommands()) {
    if (name == command.name) return &command;
  }
  return nullptr;
}

namespace {
std::function<std::string()>& FailureCause() {
  static std::function<std::string()> cause;
  return cause;
}
}  // namespace

void SetFailureCause(std::function<std::string()> cause) { FailureCause() = std::move(cause); }

int Fail(int status, const std::string& message) {
  const std::string cause = FailureCause() ? FailureCause()() : std::string();
  std::cerr << "verda: " << message << (cause.empty() ? "" : "; " + cause) << '\n';
  return status;
}

std::string WriteFailure(const std::string& path, const std::string& otherwise) {
  const std::string refusal = talvinet::NewFileRefusal(path);
  return refusal.empty() ? otherwise : refusal;
}

int UsageError(const Subcommand& command, const std::string& message) {
  std::cerr << "verda " << command.name << ": " << message << '\n'
            << "usage: verda " << command.name << ' ' << command.synopsis << '\n';
  return kExitUsage;
}

bool HelpRequested(const Subcommand& command, const std::vector<std::string>& arguments) {
  for (const std::string& argument : arguments) {
    if (argument == "--help" || argument == "-h") {
      std::cout << "usage: verda " << command.name << ' ' << command.synopsis << "\n\n" << command.help << '\n';
      return true;
    }
  }
  return false;
}

std::vector<std::string> TakeOption(std::vector<std::string>& arguments, const std::string& name) {
  std::vector<std::string> values;
  for (std::size_t i = 0; i + 1 < arguments.size();) {
    if (arguments[i] == name) {
      values.push_back(arguments[i + 1]);
      arguments.erase(arguments.begin() + static_cast<long>(i), arguments.begin() + static_cast<long>(i) + 2);
    } else {
      ++i;
    }
  }
  return values;
}

std::optional<unsigned long> ParseNumber(const std::string& text, unsigned long limit) {
  if (text.empty() || text[0] == '-' || text[0] == '+' || text[0] == ' ') return std::nullopt;
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  errno = 0;
  char* end = nullptr;
  const unsigned long value = std::strtoul(text.c_str(), &end, hex ? 16 : 10);
  if (errno != 0 || end == text.c_str() || *end != '\0' || value > limit) return std::nullopt;
  return value;
}

}  // namespace verda
