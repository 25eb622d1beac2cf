#include "simanalyzer/VirtualAnalyzer.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <ctime>

#include "Arguments.h"
#include "CommandTable.h"
#include "simanalyzer/DemoRecords.h"
#include "simanalyzer/ErrorCodes.h"

namespace simanalyzer {

namespace {

const CommandTable& Commands() {
  static const CommandTable table = [] {
    CommandTable commands;
    AddFileCommands(commands);
    AddDisketteCommands(commands);
    AddIdentityCommands(commands);
    AddKeyCommands(commands);
    AddScreenCommands(commands);
    AddSettingsCommands(commands);
    AddMeasurementCommands(commands);
    AddMacroCommands(commands);
    AddSetupCommands(commands);
    return commands;
  }();
  return table;
}

// The commands of one line, split at semicolons outside quoted names.
std::vector<std::string_view> SplitCommands(std::string_view line) {
  std::vector<std::string_view> commands;
  bool quoted = false;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= line.size(); ++i) {
    if (i < line.size() && line[i] == '\'') quoted = !quoted;
    if (i == line.size() || (line[i] == ';' && !quoted)) {
      const std::string_view command = TrimBlanks(line.substr(start, i - start));
      if (!command.empty()) commands.push_back(command);
      start = i + 1;
    }
  }
  return commands;
}

}  // namespace

VirtualAnalyzer::VirtualAnalyzer(Model model) {
  state_.identity = IdentityFor(model);
  state_.panel.model = model;
  state_.measurement = DemoMeasurement();
  const int valueCount = std::atoi(state_.identity.setupCount.c_str());
  state_.settings.setups = FactorySetups(static_cast<std::size_t>(std::max(0, valueCount)));
  // The clock starts on the host's local time.
  const std::time_t now = state_.clock();
  std::tm local{};
  ::localtime_r(&now, &local);
  state_.settings.clockOffset = local.tm_gmtoff;
}

void VirtualAnalyzer::HostPaused() {
  // A setup's values come one byte at a time; a pause does not end them.
  if (SetupValuesLineLimit(state_) == 0) EndLine();
}

void VirtualAnalyzer::Receive(std::span<const uint8_t> bytes) {
  for (const uint8_t byte : bytes) ReceiveByte(byte);
}

void VirtualAnalyzer::Receive(std::string_view text) {
  Receive(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

std::vector<uint8_t> VirtualAnalyzer::TakeOutput(std::size_t most) {
  const std::size_t count = std::min(most, output_.size());
  std::vector<uint8_t> taken(output_.begin(), output_.begin() + static_cast<std::ptrdiff_t>(count));
  output_.erase(output_.begin(), output_.begin() + static_cast<std::ptrdiff_t>(count));
  return taken;
}

std::string VirtualAnalyzer::TakeOutputText() {
  const std::vector<uint8_t> bytes = TakeOutput();
  return std::string(bytes.begin(), bytes.end());
}

void VirtualAnalyzer::ReceiveByte(uint8_t byte) {
  if (hungUp_) return;
  switch (byte) {
    case kRemoteMode:
    case kLocalMode:
      EndLine();
      state_.remote = byte == kRemoteMode;
      if (byte == kLocalMode) ApplyStepFault("LOCAL", heldReplies_.size());
      return;
    case kEndOfQuery:
      EndLine();
      ReleaseReplies();
      return;
    case '\n':
      EndLine();
      return;
    case '\r':
      return;
    default:
      if (line_.size() < std::max(kMaximumLineLength, SetupValuesLineLimit(state_))) {
        line_.push_back(static_cast<char>(byte));
      } else {
        lineTooLong_ = true;
      }
  }
}

void VirtualAnalyzer::EndLine() {
  if (SetupValuesLineLimit(state_) != 0) {
    if (line_.empty() && !lineTooLong_) return;
    errorCode_ = lineTooLong_ ? error::kBadArgument : TakeSetupValues(state_, line_);
    state_.settings.setups.awaitingValuesFor.reset();
  } else if (lineTooLong_) {
    errorCode_ = error::kBadArgument;
  } else {
    for (const std::string_view command : SplitCommands(line_)) ExecuteCommand(command);
  }
  line_.clear();
  lineTooLong_ = false;
}

void VirtualAnalyzer::ExecuteCommand(std::string_view command) {
  std::size_t letters = 0;
  while (letters < command.size() && std::isalpha(static_cast<unsigned char>(command[letters]))) ++letters;
  std::string mnemonic(command.substr(0, letters));
  std::transform(mnemonic.begin(), mnemonic.end(), mnemonic.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });

  Reply reply(mnemonic, faults_, heldReplies_);
  if (!faults_.failCommand.empty() && mnemonic == faults_.failCommand) {
    errorCode_ = faults_.failCode;
    return;
  }
  if (mnemonic == "QER") {
    reply.Line(std::to_string(errorCode_));
    errorCode_ = error::kNone;
    return;
  }
  const auto handler = Commands().find(mnemonic);
  if (handler == Commands().end()) {
    errorCode_ = error::kUnknownCommand;
    return;
  }
  CommandContext context{state_, TrimBlanks(command.substr(letters)), reply, faults_};
  const std::size_t replyStart = heldReplies_.size();
  errorCode_ = handler->second(context);
  ApplyStepFault(mnemonic, replyStart);
}

void VirtualAnalyzer::ReleaseReplies() {
  std::size_t count = heldReplies_.size();
  if (faults_.silentAfterBytes) {
    count = std::min(count, *faults_.silentAfterBytes);
    *faults_.silentAfterBytes -= count;
  }
  output_.insert(output_.end(), heldReplies_.begin(), heldReplies_.begin() + static_cast<std::ptrdiff_t>(count));
  heldReplies_.clear();
}

}  // namespace simanalyzer
