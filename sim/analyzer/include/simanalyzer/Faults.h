// Misbehaviour on demand, so that tests can drive the host's failure paths.
// Each fault stays in force until it is cleared.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace simanalyzer {

struct Faults {
  // After this many more reply bytes the analyzer says nothing at all.
  std::optional<std::size_t> silentAfterBytes;

  // The reply to this mnemonic loses its line `droppedLineIndex` (0-based).
  std::string dropLineOf;
  std::size_t droppedLineIndex = 0;

  // This mnemonic does nothing, replies nothing and leaves `failCode` as
  // the error code.
  std::string failCommand;
  int failCode = 0;

  // Record data replies leave off their last bytes.
  std::size_t recordDataShortBy = 0;

  // Record size replies are text with no number in it.
  bool nonNumericRecordSize = false;

  // Counted listings send this many lines fewer than they announce.
  std::size_t listingLinesMissing = 0;

  // One fault at a chosen step of an exchange: the reply to the
  // `stepOccurrence`-th (from 0) `stepMnemonic` command goes wrong from its
  // byte `stepByte` on (a byte past the reply's end means its last byte).
  // The mnemonic "LOCAL" names the host's return to local mode, where only
  // a hang-up can strike.
  enum class Step {
    kNone,
    kSilence,      // nothing more, ever
    kDroppedLine,  // the line holding the byte is left out
    kErrorCode,    // the reply stops there and the error code is set
    kShortReply,   // the reply stops there
    kGarbage,      // the rest of the reply is noise of the same length
    kHangUp,       // the reply stops there and the line is closed
  };
  Step step = Step::kNone;
  std::string stepMnemonic;
  std::size_t stepOccurrence = 0;
  std::size_t stepByte = 0;
};

}  // namespace simanalyzer
