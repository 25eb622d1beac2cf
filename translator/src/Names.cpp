#include "morvane/Names.h"

#include <array>
#include <string>

namespace morvane {
namespace {

constexpr std::array<const char*, kNamedRecordTypes> recordTypeNames = {
    "reserved",    "Normal",      "Leq",         "Minimum",     "Maximum",     "SEL",
    "RT60",        "vsRPM Trace", "Ln Trace",    "Intensity",   "Power",       "AutoSpectrm",
    "AutoCorrel",  "Normalizatn", "CrossSpectr", "CrossCorrel", "Transfer Fn", "Impulse",
    "Coherence",   "Time Wavefm", "Cepstrum",    "Lefter",      "By Tach",     "By Time",
    "User Curves", "Setups",      "Units Data",  "Ln Table",    "Normal+SLM",  "Leq+SLM",
    "Minimum+SLM", "Maximum+SLM", "SEL+SLM",     "MaxSpec+SLM", "By Tach+SLM", "By Time+SLM",
    "MaxSpectrum", "Macros Data", "By Tach Int", "By Time Int", "By Tach Crs", "By Time Crs",
    "Print Setup", "Class Setup", "Field Ind.",  "Complex FFT", "SLM",         "MLS Impulse",
};

constexpr std::array<const char*, 16> blockNames = {
    "Prefix Block",
    "Note",
    "Main System Variables",
    "Setup vsRPM Trace Variables",
    "Data vsRPM Trace Variables",
    "Setup Statistics Variables",
    "Statistics Variables",
    "Setup Windows Variables",
    "Windows Variables",
    "Intensity Variables",
    "Setup Variables",
    "Autostore Block",
    "Spectral Store Information",
    "Spectral Data",
    "reserved",
    "reserved",
};

// Built once: the names of the codes 48..255 that the table lacks.
const std::array<std::string, 256>& UnknownTypeNames() {
  static const std::array<std::string, 256> names = [] {
    std::array<std::string, 256> built;
    for (unsigned code = kNamedRecordTypes; code < built.size(); ++code) built[code] = "Unknown " + std::to_string(code);
    return built;
  }();
  return names;
}

}  // namespace

const char* RecordTypeName(unsigned code) {
  if (code < recordTypeNames.size()) return recordTypeNames[code];
  if (code < 256) return UnknownTypeNames()[code].c_str();
  return "Unknown";
}

const char* BlockName(int bit) {
  if (bit < 0 || bit >= static_cast<int>(blockNames.size())) return "";
  return blockNames[bit];
}

}  // namespace morvane
