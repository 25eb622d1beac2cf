#include "simanalyzer/Identity.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace simanalyzer {
namespace {

struct ModelRow {
  Model model;
  const char* name;
  bool bitB;
  bool bitA;
  const char* setupCount;
  const char* systemId;
  const char* serialNumber;
  bool tach;
};

// Firmware 5.20 satisfies the host's 5.11 minimum on every model.
constexpr const char* kFirmwareVersion = "V5.20";

constexpr std::array<ModelRow, 4> kModels = {{
    {Model::Alder, "Alder", false, true, "96", "ALD00417", "AL523104", false},
    {Model::Birch, "Birch", true, false, "128", "BIR00731", "BI530877", false},
    {Model::Cedar, "Cedar", true, true, "160", "CED01092", "CE541260", true},
    {Model::Deodar, "Deodar", false, false, "200", "DEO00268", "DE550019", true},
}};

const ModelRow& RowOf(Model model) {
  return *std::find_if(kModels.begin(), kModels.end(), [model](const ModelRow& row) { return row.model == model; });
}

bool SameLetters(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

std::optional<Model> ParseModel(std::string_view name) {
  for (const ModelRow& row : kModels) {
    if (SameLetters(name, row.name)) return row.model;
  }
  return std::nullopt;
}

const char* ModelName(Model model) { return RowOf(model).name; }

void Identity::SetOption(int position, bool present) {
  if (position < 0 || static_cast<std::size_t>(position) >= options.size()) return;
  options[static_cast<std::size_t>(position)] = present ? '1' : '0';
}

bool Identity::HasOption(int position) const {
  return position >= 0 && static_cast<std::size_t>(position) < options.size() &&
         options[static_cast<std::size_t>(position)] == '1';
}

Identity IdentityFor(Model model) {
  const ModelRow& row = RowOf(model);
  Identity identity;
  identity.setupCount = row.setupCount;
  identity.systemId = row.systemId;
  identity.line3 = "2";
  identity.firmwareVersion = kFirmwareVersion;
  identity.line5 = "1";
  identity.line6 = "0";
  identity.line7 = "0";
  identity.line8 = "0";
  identity.options.assign(kOptionFlags, '0');
  identity.SetOption(option::kModelBitB, row.bitB);
  identity.SetOption(option::kModelBitA, row.bitA);
  identity.SetOption(option::kTach, row.tach);
  identity.serialNumber = row.serialNumber;
  return identity;
}

}  // namespace simanalyzer
