#include "I_BlockWriter.h"

#include <cstdint>
#include <limits>

namespace {

// 2 to the power (metersL / 256, truncated toward zero), truncated to an
// integer. Powers beyond a 32-bit integer print as its largest value.
int32_t WholeMetersL(int16_t metersL) {
  const int exponent = metersL / 256;
  if (exponent < 0) return 0;
  if (exponent >= 31) return std::numeric_limits<int32_t>::max();
  return int32_t{1} << exponent;
}

}  // namespace

void I_BlockWriter::Write(const unsigned char* record, unsigned long size, TextSink* output,
                          const _DataProfileTag* profileToUse) {
  if (!BeginWrite(record, size, output, profileToUse, kWordI, "I")) return;
  WriteString(",Job Name", job_name);
  WriteString(",Part Name", part_name);
  WriteString(",Area Name", area_name);
  // Whole metres only: the fraction adds a step only when it reaches 10000.
  WriteUnsignedByte(",Meters", meters + meters_fraction / 10000u);
  WriteInteger(",Meters L", WholeMetersL(meters_l));
  WriteShort(",Spacer", spacer / 10u);
  WriteShort(",Pressure", pressure);
  WriteInteger(",Temperature", temperature / 10);
  WriteInteger(",PTCorrection", pt_correction);
}
