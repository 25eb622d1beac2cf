#include "MlsLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>

#include "LayoutLine.h"
#include "blocks/D_LayoutContext.h"

namespace {

constexpr uint64_t kHeaderBytes = 38;
constexpr uint64_t kSamples = 65536;
constexpr uint64_t kSampleBytes = 4;  // channel 1, channel 2
constexpr int kDspStates = 8;
constexpr uint8_t kOctaveBasis = 0x80;
constexpr uint8_t kRateIndex = 0x7F;
constexpr double kOctaveBasisRate = 64000.0;
constexpr double kFftBasisRate = 25600.0;
constexpr double kFullScale = 32768.0;

// The header; fields beyond the record read as 0.
struct MlsHeader {
  uint8_t slevel = 0;
  uint8_t sfilter = 0;
  uint8_t rate = 0;
  uint8_t window = 0;
  uint8_t mlsRange = 0;
  uint8_t mlsSplits = 0;
  int8_t exp0 = 0;
  int8_t exp1 = 0;
  uint16_t sumStart = 0;
  uint16_t sumEnd = 0;
  uint16_t counter = 0;
  uint16_t counts = 0;
  uint16_t dataStart = 0;
  uint16_t dataSize = 0;
  uint16_t dspState[kDspStates] = {};

  static MlsHeader Read(const D_LayoutContext& data) {
    MlsHeader h;
    uint8_t exponent = 0;
    data.DataU8(2, h.slevel);
    data.DataU8(3, h.sfilter);
    data.DataU8(4, h.rate);
    data.DataU8(5, h.window);
    data.DataU8(6, h.mlsRange);
    data.DataU8(7, h.mlsSplits);
    if (data.DataU8(8, exponent)) h.exp0 = static_cast<int8_t>(exponent);
    if (data.DataU8(9, exponent)) h.exp1 = static_cast<int8_t>(exponent);
    data.DataU16(10, h.sumStart);
    data.DataU16(12, h.sumEnd);
    data.DataU16(14, h.counter);
    data.DataU16(16, h.counts);
    data.DataU16(18, h.dataStart);
    data.DataU16(20, h.dataSize);
    for (int i = 0; i < kDspStates; ++i) data.DataU16(22 + 2 * static_cast<uint64_t>(i), h.dspState[i]);
    return h;
  }
};

double SampleWord(const unsigned char* bytes) { return static_cast<int16_t>(bytes[0] | bytes[1] << 8); }

const char* RateText(uint8_t rate) {
  static const char* const kRates[] = {"20 KHz", "10 KHz", "5 KHz", "2.5 KHz"};
  const unsigned index = rate & kRateIndex;
  return index < std::size(kRates) ? kRates[index] : "invalid";
}

const char* WindowText(uint8_t window) {
  static const char* const kWindows[] = {"Wd.ALL", "WD.LEAD", "Wd.MID"};
  return window < std::size(kWindows) ? kWindows[window] : "invalid";
}

void WriteHeader(LayoutLine& line, const MlsHeader& h) {
  line.Text(",Dump of ML header block (embedded in D):").End();
  line.Text(",,slevel =,").Integer(h.slevel, 3).Text(",db attentuation").End();
  line.Text(",,sfilter =,").Integer(h.sfilter).Text(h.sfilter != 0 ? ",pink" : ",white").End();
  line.Text(",,rate =,").Integer(h.rate).Text(",").Text(RateText(h.rate));
  line.Text((h.rate & kOctaveBasis) != 0 ? ",based on octave" : ",based on fft").End();
  line.Text(",,window =,").Integer(h.window).Text(",").Text(WindowText(h.window)).End();
  line.Text(",,mls_range =,").Integer(h.mlsRange).End();
  line.Text(",,mls_splits =,").Integer(h.mlsSplits).End();
  line.Text(",,exp0 =,").Integer(h.exp0).Text(",channel 1 scaled by,").Fixed(std::ldexp(1.0, h.exp0), 6).End();
  line.Text(",,exp1 =,").Integer(h.exp1).Text(",channel 2 scaled by,").Fixed(std::ldexp(1.0, h.exp1), 6).End();
  line.Text(",,sum_start =,").Integer(h.sumStart).End();
  line.Text(",,sum_end =,").Integer(h.sumEnd).End();
  line.Text(",,counter =,").Integer(h.counter).End();
  line.Text(",,counts =,").Integer(h.counts).End();
  line.Text(",,data_start =,").Integer(h.dataStart).End();
  line.Text(",,data_size =,").Integer(h.dataSize).End();
  for (int i = 0; i < kDspStates; ++i) {
    line.Text(",,dsp_state[").Integer(i).Text("] =,").Integer(h.dspState[i]).End();
  }
}

}  // namespace

int WriteMlsImpulse(const D_LayoutContext& data) {
  if (!data.HasData()) return 0;
  const MlsHeader h = MlsHeader::Read(data);
  LayoutLine line(data);
  WriteHeader(line, h);
  line.Text(",Dump of ML data block (embedded in D):").End();
  line.Text(",,,Time,Channel 1,Channel 2").End();
  const double basisRate = (h.rate & kOctaveBasis) != 0 ? kOctaveBasisRate : kFftBasisRate;
  const double interval = std::ldexp(1.0, h.rate & kRateIndex) / basisRate;
  const double scale0 = std::ldexp(1.0, h.exp0) / kFullScale;
  const double scale1 = std::ldexp(1.0, h.exp1) / kFullScale;
  // The table stops after its last complete pair.
  const uint64_t bytes = data.BytesInRecord();
  const uint64_t samples = bytes > kHeaderBytes ? std::min(kSamples, (bytes - kHeaderBytes) / kSampleBytes) : 0;
  const unsigned char* sample = data.Record() + data.DataStart() + kHeaderBytes;
  for (uint64_t n = 0; n < samples; ++n, sample += kSampleBytes) {
    line.Text(",,,").Fixed(static_cast<double>(n) * interval, 6, 8);
    line.Text(",").Scientific(SampleWord(sample) * scale0, 3, 10);
    line.Text(",").Scientific(SampleWord(sample + 2) * scale1, 3, 10).End();
  }
  return 1;
}
