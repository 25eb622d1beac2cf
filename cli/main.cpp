// verda: translation and analyzer transfers from the command line.
#include <iostream>
#include <string>
#include <vector>

#include "AnalyzerConnection.h"
#include "CommandLine.h"

namespace {

void PrintOverview(std::ostream& out) {
  out << "usage: verda [GLOBAL OPTIONS] COMMAND [ARGUMENTS]\n\ncommands:\n";
  for (const verda::Subcommand& command : verda::Subcommands()) {
    out << "  " << command.name << ' ' << command.synopsis << '\n';
  }
  out << '\n' << verda::kConnectionOptionsHelp;
  out << "\n'verda COMMAND --help' describes one command; 'verda --version' prints the version.\n";
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> arguments(argv + 1, argv + argc);
  if (arguments == std::vector<std::string>{"--version"}) {
    std::cout << "verda " VERDALON_VERSION "\n";
    return verda::kExitSuccess;
  }
  if (!verda::TakeConnectionOptions(arguments)) return verda::kExitUsage;
  if (arguments.empty()) {
    PrintOverview(std::cerr);
    return verda::kExitUsage;
  }
  if (arguments[0] == "--help" || arguments[0] == "-h" || arguments[0] == "help") {
    PrintOverview(std::cout);
    return verda::kExitSuccess;
  }
  const verda::Subcommand* command = verda::FindSubcommand(arguments[0]);
  if (command == nullptr) {
    std::cerr << "verda: unknown command '" << arguments[0] << "'\n";
    PrintOverview(std::cerr);
    return verda::kExitUsage;
  }
  arguments.erase(arguments.begin());
  if (verda::HelpRequested(*command, arguments)) return verda::kExitSuccess;
  return command->run(std::move(arguments));
}
