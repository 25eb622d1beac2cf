// The virtual analyzer's command language, independent of any transport:
// feed it the bytes the host sends, take the bytes it answers.
//
// What it hears
//   0x12                  remote mode; 0x17 local mode. Commands are obeyed
//                         in either mode.
//   text ending in LF     one command line (a CR before the LF is dropped);
//                         ";" separates commands on one line, so
//                         "RN\r\n;QER\r\n" is RN followed by QER.
//   0x11                  end of a query: the replies of everything heard
//                         so far are sent. 0x11, 0x12 and 0x17 also end a
//                         line still open ("DX" is sent without a line end),
//                         and so does a pause of the host (HostPaused).
//   Lines of more than 256 bytes are not obeyed (error code 2). Mnemonics
//   are matched without regard to case.
//
// What it says (every reply line ends in CR LF)
//   QER           the error code of the command before (ErrorCodes.h), then 0
//   QHS           the ten identity lines of Identity.h
//   QFD, QDD      count line, then one file line each (Listings.h)
//   QRD           count line, then one record line each (Listings.h)
//   QFS           the current file's 8-character name, blanks when none
//   QRLR t,n      the record's size in bytes; 0 for an unknown record
//   QRR t,n       exactly the record's bytes, no line end
//   QDO           1 while the diskette is open, else 0
//   QKE *         one line per defined key, ascending: the number, a blank
//                 and the name in single quotes ("18 'R/S'"), then an empty line
//   QKE n         the key's name in single quotes; '' for a key the model
//                 lacks (error code 2 when n is not 0 to 127)
//   QKE NAME      the number of the key so named, without regard to case;
//                 -1 when there is none (error code 2)
//   QQQRF         the whole screen as a capture stream (ScreenStream.h)
//   QQQRD         the changes since the previous capture; the whole screen
//                 when there was none
//   KE n, KE 'NAME'  no reply; presses the key (Keypad.h), error code 2 for
//                 a key the model lacks. R/S toggles the run state, the
//                 cursor keys move the spectrum cursor, the first soft key
//                 (File) makes the next memory file current.
//   FS, FC, FE, ST, RE, DO, DX, DS, DR, DE, DDDDD   no reply
// The screen (ScreenLayout.h) is drawn afresh for every capture.
// An unknown mnemonic is not obeyed and replies nothing (error code 1).
#pragma once

#include <cstdint>
#include <deque>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "simanalyzer/AnalyzerState.h"
#include "simanalyzer/Faults.h"

namespace simanalyzer {

class VirtualAnalyzer {
 public:
  static constexpr uint8_t kRemoteMode = 0x12;
  static constexpr uint8_t kLocalMode = 0x17;
  static constexpr uint8_t kEndOfQuery = 0x11;
  static constexpr std::size_t kMaximumLineLength = 256;

  explicit VirtualAnalyzer(Model model = Model::Cedar);

  AnalyzerState& State() { return state_; }
  const AnalyzerState& State() const { return state_; }
  Faults& Misbehaviour() { return faults_; }

  void Receive(std::span<const uint8_t> bytes);
  void Receive(std::string_view text);

  // The host has stopped sending for a while: a line still open is complete.
  void HostPaused() { EndLine(); }
  bool LineOpen() const { return !line_.empty() || lineTooLong_; }

  std::size_t PendingOutput() const { return output_.size(); }
  // Up to `most` reply bytes, oldest first.
  std::vector<uint8_t> TakeOutput(std::size_t most = SIZE_MAX);
  std::string TakeOutputText();

 private:
  void ReceiveByte(uint8_t byte);
  void EndLine();
  void ExecuteCommand(std::string_view command);
  void ReleaseReplies();

  AnalyzerState state_;
  Faults faults_;
  std::string line_;
  bool lineTooLong_ = false;
  int errorCode_ = 0;
  std::vector<uint8_t> heldReplies_;
  std::deque<uint8_t> output_;
};

}  // namespace simanalyzer
