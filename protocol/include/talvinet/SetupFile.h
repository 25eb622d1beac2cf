// The stored setup file (.set): the analyzer's hardware setup as a text
// header, then the bytes of one stored setup. A file loads into any analyzer
// whose setup count, options and unnamed identity lines are the same; the
// system id, firmware version and serial number may differ.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "talvinet/Talvinet.h"

namespace talvinet {

constexpr std::size_t kSetupFileHeaderSize = 104;

// n x 3 + 2, n being the decimal value of `setupCount`; nothing when that is
// no count of setup values.
std::optional<std::size_t> SetupByteCount(const HardwareSetupStruct& setup);

// The 104-byte header for `setup`: each field cut or padded on the left to
// its width, each followed by CR LF.
std::string SetupFileHeader(const HardwareSetupStruct& setup);

struct SetupFileContents {
  HardwareSetupStruct header;
  std::string setupBytes;  // n x 3 + 2 bytes
};

// The header and the n x 3 + 2 setup bytes after it; bytes beyond those are
// left out. Nothing when a header line is incomplete, the setup count is no
// count, or the file is shorter than its header says.
std::optional<SetupFileContents> ParseSetupFile(std::string_view file);

// True when a file written for `file` may be loaded into `analyzer`.
bool SetupFileFits(const HardwareSetupStruct& file, const HardwareSetupStruct& analyzer);

enum class SetupFileResult {
  kDone,
  kAnalyzerSilent,  // no hardware setup or setup bytes came, or sending failed
  kNotWritten,      // the file could not be written; nothing at the path changed
  kNotReadable,     // the file could not be opened or read
  kDamaged,         // short or malformed; nothing was sent
  kIncompatible,    // made for another kind of analyzer; nothing was sent
};

// Downloads stored setup `id` into the file at `path`, whole or not at all.
SetupFileResult SaveSetupFile(Talvinet& analyzer, unsigned char id, const std::string& path, int remote);

// Checks the file at `path` completely against the connected analyzer before
// it sends the setup bytes to stored setup `id`.
SetupFileResult LoadSetupFile(Talvinet& analyzer, unsigned char id, const std::string& path, int remote);

}  // namespace talvinet
