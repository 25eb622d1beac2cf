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
//
// Settings (InstrumentSettings.h); each setting reads back as last set
//   QRS           "RUN" while running (after RN), else "STOP" (after SP)
//   QNO           the note; NO 'text' keeps the first 64 characters between
//                 the first and the last quote
//   QBP           the beeper bits as a decimal number
//   QCK           "07 MAR 26 14:05:00": the date in 9 characters, a blank,
//                 the time; CK dd/mm/yy HH:MM:SS sets it and it runs on
//   QMF, QMU      free and used bytes of the 2,097,152 bytes of memory, the
//                 used ones being the bytes of all records in memory files
//   QBV           the battery voltage ("7.20", or verda-sim --battery);
//                 a Deodar has none and does not know the query
//   QDT, QFN, QUN, QRG, QRGS   one decimal number (RGS sets QRGS)
//   QTM           the time constant as TM gave it ("1.00")
//   QFQ           "12.5,20000,33,a,b": lowest and highest band, band count,
//                 and the zoom FZ a,b set
//   QLV a,b,c     one level, 40 + a/2 + b/4 + c, with one decimal
//   QSM n[,a,b]   two levels "78+n,80+n+(b-a)/10", one decimal each
//   QSL n, QPH n  72 + n/2 and 65 + n, one decimal
//   QWNC n        the two cursors "first,second" that CRS and CRD set
//   QSY           the analysis mode; a Deodar's is "second,mode" (SY takes
//                 them in that order), the others' one number
//   QXM           "state,v0,...,v5"; XM v0..v4 sets five values and state 1
//   DT, TM, FN, FZ, UC, UCV, MD, AG, RGS, UN, RG, CRS, CRD, CH, SY, XM, AS,
//   GR, RN, SP, RT [n], MT, TO, NO, BP, CK   no reply
//
// Macros
//   QMA           a count line (10, or 11 with a schedule), then per macro
//                 0-9 "n s r c": its state (0 = none), 1 when it runs, 1 when
//                 it is being recorded; then "m dd hh:mm:ss" for the
//                 scheduled macro. MA n runs a defined macro until AM (error
//                 8 for no such macro, 9 while one runs or is recorded);
//                 MS m,dd,hh,mm,ss schedules, MS 10 cancels; no reply
//
// Stored setups
//   QSF           "8", then per setup "name    u b": the name in 7
//                 characters, 1 when in use, 1 for the boot setup
//   QSB n         the line "n", then the setup's values, three digits each
//                 with no separator, on one line (setup count x 3 + 2 bytes)
//   SB n          the next line is setup n's values in the same form, taken
//                 whole however slowly it comes; setup n is then in use.
//                 Malformed values leave the setup as it was (error 2)
//   SER n         recalls a setup in use (error 10 for an unused one)
//   SES n[,'name'], SE n[,'name']   store into n (1-7) / make n the boot
//                 setup, and name it when a name is given (7 characters kept)
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
  void HostPaused();
  bool LineOpen() const { return !line_.empty() || lineTooLong_; }

  std::size_t PendingOutput() const { return output_.size(); }
  // Up to `most` reply bytes, oldest first.
  std::vector<uint8_t> TakeOutput(std::size_t most = SIZE_MAX);
  std::string TakeOutputText();

  // The step fault closed the line: the pseudo-terminal is to be shut once
  // the output has gone.
  bool HungUp() const { return hungUp_; }

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

  // The step fault (Faults::step), applied to the reply that starts at
  // `replyStart` in the held replies.
  void ApplyStepFault(const std::string& mnemonic, std::size_t replyStart);
  std::size_t stepsSeen_ = 0;
  bool hungUp_ = false;
};

}  // namespace simanalyzer
