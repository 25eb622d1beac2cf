// The codes the analyzer answers to "QER": the outcome of the command before.
#pragma once

namespace simanalyzer::error {

constexpr int kNone = 0;
constexpr int kUnknownCommand = 1;
constexpr int kBadArgument = 2;     // missing, malformed or out-of-range argument, or a line too long
constexpr int kNoSuchFile = 3;      // no file of that name, or no current file
constexpr int kFileExists = 4;      // create: a file of that name already exists
constexpr int kNoSuchRecord = 5;    // no record of that type and number in the current file
constexpr int kDisketteClosed = 6;  // diskette not inserted or not opened
constexpr int kMemoryFull = 7;      // no room for another memory file
constexpr int kNoSuchMacro = 8;     // no macro defined under that number
constexpr int kMacroBusy = 9;       // a macro is already running or being recorded
constexpr int kSetupNotInUse = 10;  // recall of a stored setup that holds nothing

}  // namespace simanalyzer::error
