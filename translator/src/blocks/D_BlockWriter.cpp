#include "D_BlockWriter.h"

#include <string>

#include "D_LayoutContext.h"
#include "D_LayoutTable.h"
#include "D_StandardSpectrum.h"

namespace {
constexpr uint32_t kHeadingsOption = 0x0002;
constexpr uint32_t kKeepUnitsOption = 0x0004;
}  // namespace

int D_BlockWriter::Decode(const unsigned char* record, unsigned long size, int /*report*/) {
  recordSize = static_cast<uint32_t>(size);
  decoded = 0;
  if (prefix.Decode(record, size, 0) == 0 || main.Decode(record, size, 0) == 0) return 0;
  decoded = 1;
  return decoded;
}

void D_BlockWriter::Write(const unsigned char* record, unsigned long size, TextSink* output,
                          const _DataProfileTag* profileToUse) {
  if (record == nullptr || profileToUse == nullptr) return;
  profile = profileToUse;
  outputFile = output;
  recordSize = static_cast<uint32_t>(size);
  const uint32_t options = profile->word[kWordD];
  if ((options & kTranslateThisBlock) == 0) return;
  if ((profile->word[kWordGeneral] & kGeneralBlockHeading) != 0) WriteText("D Block\r\n");
  headings = (options & kHeadingsOption) != 0;
  keep_units = (options & kKeepUnitsOption) != 0;

  if (Decode(record, size, 0) == 0) return;
  const D_Route route = Route();
  if (route.refusal != nullptr) {
    WriteTextLine(route.refusal);
    return;
  }
  if (const D_LayoutWriter layout = FindDataLayout(route.layout)) {
    const long long dataStart = FindBlock(record, kBit, size);
    layout(D_LayoutContext(record, recordSize, dataStart, outputFile, main, headings, keep_units));
  }
}

D_Route D_BlockWriter::Route() const {
  return RouteDataBlock({.storetype = prefix.Storetype(),
                         .systemmode = main.Systemmode(),
                         .barwhat = main.Barwhat(),
                         .intensityBase = prefix.Reserved37(),
                         .crossBase = prefix.Reserved38()});
}

int D_BlockWriter::ReadStandardSpectrum(const unsigned char* record, unsigned long size,
                                        StandardSpectrum& spectrum) {
  spectrum = {};
  if (record == nullptr || Decode(record, size, 0) == 0) return 0;
  const D_Route route = Route();
  if (route.refusal != nullptr || route.layout != D_Layout::kStandardSpectrum) return 0;
  const long long dataStart = FindBlock(record, kBit, size);
  // Band labels keep their units, as a chart's axis wants them.
  return ::ReadStandardSpectrum(D_LayoutContext(record, recordSize, dataStart, nullptr, main, false, true), spectrum);
}
