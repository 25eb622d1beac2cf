#include "simanalyzer/Keypad.h"

#include <array>
#include <cctype>
#include <string>

namespace simanalyzer {
namespace {

using KeyNames = std::array<std::string_view, kKeyCount>;

// Keys both keypads share: digits, the character keys reached with Shift,
// and the function keys common to both.
void NameCommonKeys(KeyNames& names) {
  static const std::string digits = "0123456789";
  for (int i = 0; i < 10; ++i) names[48 + i] = std::string_view(digits).substr(i, 1);
  names[32] = "Space";
  names[33] = "!";
  names[35] = "#";
  names[36] = "$";
  names[37] = "%";
  names[38] = "&";
  names[40] = "(";
  names[41] = ")";
  names[42] = "*";
  names[43] = "+";
  names[44] = "Comma";
  names[45] = "-";
  names[46] = ".";
  names[47] = "/";
  names[58] = ":";
  names[59] = "Semi";
  names[60] = "<";
  names[61] = "=";
  names[62] = ">";
  names[63] = "?";
  names[64] = "@";
  names[91] = "[";
  names[93] = "]";
  names[2] = "Reset";
  names[3] = "System";
  names[13] = "Exit";
  names[17] = "Local";
  names[18] = "R/S";
  names[24] = "Range";
  names[25] = "Auto";
  names[26] = "Cursor";
  names[30] = "Screen";
  names[31] = "Print";
}

// Soft keys 65-80 and their shifted partners 81-90, 33, 64, 35, 37, 91, 93
// (the shifted partners keep their character names past 90).
void NameSoftKeys(KeyNames& names, const std::array<std::string_view, 26>& softKeys) {
  for (int i = 0; i < 26; ++i) names[65 + i] = softKeys[i];
}

KeyNames AlderKeys() {
  KeyNames names{};
  NameCommonKeys(names);
  names[1] = "Clear";
  names[4] = "Store";
  names[5] = "Recall";
  names[6] = "Up";
  names[7] = "Down";
  names[8] = "Left";
  names[9] = "PgUp";
  names[10] = "PgDn";
  names[11] = "End";
  names[12] = "Home";
  names[14] = "CH1";
  names[15] = "CH2";
  names[16] = "SLM";
  names[28] = "Right";
  names[34] = "Quote";
  names[92] = "\\";
  NameSoftKeys(names, {"File", "Setup", "Filter", "Detect", "Level", "Units", "Trigger", "Mode", "Zoom", "Marker",
                       "Spectra", "Stats", "Save", "Macro", "Clock", "Note", "Q", "R", "S", "T", "U", "V", "W", "X",
                       "Y", "Z"});
  return names;
}

KeyNames DeodarKeys() {
  KeyNames names{};
  NameCommonKeys(names);
  names[1] = "CLR";
  names[4] = "STO";
  names[5] = "RCL";
  names[8] = "Prev";
  names[16] = "SRQ";
  names[28] = "Next";
  names[34] = "Quote";
  NameSoftKeys(names, {"File", "Octave", "Narrow", "FFT", "Detect", "Weight", "Average", "Trigger", "Display",
                       "Marker", "Scale", "Stats", "Memory", "Macro", "Clock", "GPIB", "Q", "R", "S", "T", "U", "V",
                       "W", "X", "Y", "Z"});
  return names;
}

const KeyNames& NamesFor(Model model) {
  static const KeyNames alder = AlderKeys();
  static const KeyNames deodar = DeodarKeys();
  return model == Model::Deodar ? deodar : alder;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

}  // namespace

std::string_view KeyName(Model model, int key) {
  if (key < 0 || key >= kKeyCount) return {};
  return NamesFor(model)[static_cast<std::size_t>(key)];
}

std::optional<int> KeyNumber(Model model, std::string_view name) {
  if (name.empty()) return std::nullopt;
  const KeyNames& names = NamesFor(model);
  for (int key = 0; key < kKeyCount; ++key) {
    if (SameIgnoringCase(names[static_cast<std::size_t>(key)], name)) return key;
  }
  return std::nullopt;
}

}  // namespace simanalyzer
