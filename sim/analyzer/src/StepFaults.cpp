// The fault at a chosen step of an exchange (Faults::step).
#include <algorithm>

#include "simanalyzer/ErrorCodes.h"
#include "simanalyzer/VirtualAnalyzer.h"

namespace simanalyzer {

namespace {

constexpr int kStepErrorCode = error::kBadArgument;

}  // namespace

void VirtualAnalyzer::ApplyStepFault(const std::string& mnemonic, std::size_t replyStart) {
  using Step = Faults::Step;
  if (faults_.step == Step::kNone || mnemonic != faults_.stepMnemonic) return;
  if (stepsSeen_++ != faults_.stepOccurrence) return;
  const std::size_t replySize = heldReplies_.size() - replyStart;
  const std::size_t at = replyStart + std::min(faults_.stepByte, replySize > 0 ? replySize - 1 : 0);
  const auto cutAt = [this](std::size_t from) {
    heldReplies_.erase(heldReplies_.begin() + static_cast<std::ptrdiff_t>(from), heldReplies_.end());
  };
  switch (faults_.step) {
    case Step::kSilence:
      cutAt(at);
      faults_.silentAfterBytes = heldReplies_.size();
      break;
    case Step::kDroppedLine: {
      auto first = heldReplies_.begin() + static_cast<std::ptrdiff_t>(at);
      while (first != heldReplies_.begin() + static_cast<std::ptrdiff_t>(replyStart) && first[-1] != '\n') --first;
      auto last = std::find(heldReplies_.begin() + static_cast<std::ptrdiff_t>(at), heldReplies_.end(), '\n');
      heldReplies_.erase(first, last == heldReplies_.end() ? last : last + 1);
      break;
    }
    case Step::kErrorCode:
      cutAt(at);
      errorCode_ = kStepErrorCode;
      break;
    case Step::kShortReply:
      cutAt(at);
      break;
    case Step::kGarbage:
      for (std::size_t i = at; i < heldReplies_.size(); ++i) heldReplies_[i] = static_cast<uint8_t>("#\xFF?~"[i % 4]);
      break;
    case Step::kHangUp:
      cutAt(at);
      hungUp_ = true;
      break;
    case Step::kNone:
      break;
  }
}

}  // namespace simanalyzer
