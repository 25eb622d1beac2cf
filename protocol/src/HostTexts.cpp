#include "talvinet/HostTexts.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "talvinet/Talvinet.h"
#include "talvinet/WholeFile.h"

namespace talvinet {

const char* MacroRefusalText(int status) {
  switch (status) {
    case kRefusedMacroId:
      return "An attempt was made to launch a macro with an invalid ID.";
    case kRefusedMacroRunning:
      return "An attempt was made to launch a macro with another already executing.";
    case kRefusedMacroRecording:
      return "An attempt was made to launch a macro while another was being recorded.";
    default:
      return nullptr;
  }
}

const char* BatteryVerdict(const char* volts) {
  const float voltage = volts != nullptr ? static_cast<float>(std::strtod(volts, nullptr)) : 0.0F;
  if (voltage > 6.8) return " -- OK";
  if (voltage > 6.2) return " -- LOW";
  return " -- CHARGE";
}

namespace {

// "record 2 of 3"
std::string RecordOfFile(const DownloadFailureStruct& failure) {
  return "record " + std::to_string(failure.recordIndex + 1) + " of " + std::to_string(failure.recordCount);
}

}  // namespace

std::string DownloadFailureText(const DownloadFailureStruct& failure, const std::string& name,
                                const std::string& output) {
  switch (failure.step) {
    case kDownloadNoSuchFile:
      return "the analyzer has no memory file '" + name + "'";
    case kDownloadNoRecords:
      return "the memory file '" + name + "' holds no records";
    case kDownloadNoRecordList:
      return "the analyzer did not list the records of '" + name + "'";
    case kDownloadNoRecordSize:
      return "the analyzer did not tell the size of " + RecordOfFile(failure);
    case kDownloadRecordIncomplete: {
      char detail[96];
      std::snprintf(detail, sizeof detail, ": %d of %d bytes after %.1f s", failure.receivedBytes,
                    failure.recordSize, failure.elapsedMilliseconds / 1000.0);
      return RecordOfFile(failure) + " did not arrive whole" + detail;
    }
    case kDownloadCancelled:
      return "the download was cancelled during " + RecordOfFile(failure);
    case kDownloadDestination: {
      const std::string refusal = NewFileRefusal(output);
      return !refusal.empty() ? refusal : output + " cannot be written: " + std::strerror(failure.systemError);
    }
    default:
      return "could not copy '" + name + "' to " + output;
  }
}

}  // namespace talvinet
