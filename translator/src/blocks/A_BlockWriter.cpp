#include "A_BlockWriter.h"

#include <string>

#include "A_Frame.h"
#include "A_Layouts.h"
#include "RowBuffer.h"

namespace {

constexpr uint32_t kKeepUnitsOption = 0x0004;
// Intensity data types, counted from the prefix's first one, that have band labels.
constexpr int kLastIntensityKindWithLabels = 3;
// Standard data types with band labels: 0 to 4 and 15.
constexpr uint8_t kFirstStandardKindWithoutLabels = 5;
constexpr uint8_t kStandardKindWithLabels = 15;

bool CountsFrames(uint8_t detector) { return detector >= 5 && detector <= 7; }

// Cross kinds whose bins are samples of a time record rather than frequency bands.
bool CrossKindHasTimeAxis(int kind) {
  return (kind >= 1 && kind <= 4) || (kind >= 9 && kind <= 12) || (kind >= 23 && kind <= 26) ||
         (kind >= 29 && kind <= 31) || kind == 33;
}

}  // namespace

int A_BlockWriter::CrossKind() const { return static_cast<int>(main.Barwhat()) - prefix.Reserved38(); }

void A_BlockWriter::Write(const unsigned char* record, unsigned long size, TextSink* output,
                          const _DataProfileTag* profileToUse) {
  if (!BeginWrite(record, size, output, profileToUse, kWordA, "A")) return;
  keep_units = (profile->word[kWordA] & kKeepUnitsOption) != 0;
  blockStart = FindBlock(record, kBit, size);
  if (blockStart < 0) return;
  WriteShort(",Frames", frames);
  WriteFloat(",End Time", end_time);
  WriteFloat(",Delta Time", delta_time);
  WriteTextLine("Data Follows");
  if (prefix.Decode(record, size, 0) == 0 || main.Decode(record, size, 0) == 0) return;
  data_length = prefix.DataLength();

  RowBuffer out(outputFile);
  WriteHeadingRow(out, labels::BandSettings::Of(prefix, main));
  WriteFrames(record, out);
  out.Append("\r\n");
}

void A_BlockWriter::WriteHeadingRow(RowBuffer& out, const labels::BandSettings& bands) const {
  out.Append(CountsFrames(main.Detector()) ? ",,,Data Type,Count,Overload,Sum" : ",,,Data Type,Time,Overload,Sum");
  if (prefix.HasTachAndSpeed()) out.Append(",tach,speed");
  if (prefix.HasAdcAndIo()) out.Append(",ADC 0,ADC 1,ADC 2,IO Bits");
  if (prefix.HasTravelThrottleAccessory()) out.Append(",travel,throttle,accessory 1,accessory 2,accessory 3");
  const uint8_t mode = main.Systemmode();
  const int kind = CrossKind();
  const int intensityKind = static_cast<int>(main.Barwhat()) - prefix.Reserved37();
  bool bandLabels = false;
  bool sampleTimes = false;
  if (mode == kCrossMode) {
    const bool known = ChooseFrameLayout(mode, kind) != A_Layout::kNothing;
    sampleTimes = known && CrossKindHasTimeAxis(kind);
    bandLabels = known && !sampleTimes;
  } else if (mode == kIntensityMode) {
    bandLabels = intensityKind >= 0 && intensityKind <= kLastIntensityKindWithLabels;
  } else if (mode <= kSlmxMode) {
    bandLabels = main.Barwhat() < kFirstStandardKindWithoutLabels || main.Barwhat() == kStandardKindWithLabels;
  }
  for (long long bin = 0; (bandLabels || sampleTimes) && bin < main.Bins(); ++bin) {
    std::string label = sampleTimes ? labels::SampleTime(bands, bin) : labels::BinLabel(bands, bin, keep_units);
    // Octave labels carry a comma of their own; here each label is one column.
    if (bandLabels) NoCommas(label.data());
    out.Append(",");
    out.Append(label);
  }
  out.Append("\r\n");
}

// Frame k's store information block starts at the first frame plus k times
// the frame size: the store block's declared length and one set of data.
void A_BlockWriter::WriteFrames(const unsigned char* record, RowBuffer& out) {
  const long long firstFrame = blockStart + header_length;
  if (Frames() <= 0 || firstFrame >= recordSize) return;
  const A_Layout layout = ChooseFrameLayout(main.Systemmode(), CrossKind());
  if (layout == A_Layout::kIntensity) intensity.Decode(record, recordSize, 0);
  A_FrameSettings settings;
  settings.record = record;
  settings.recordSize = recordSize;
  settings.bins = main.Bins();
  settings.channels = main.DataChannels();
  settings.countFrames = CountsFrames(main.Detector());
  settings.deltaTime = delta_time;
  settings.tachAndSpeed = prefix.HasTachAndSpeed();
  settings.adcAndIo = prefix.HasAdcAndIo();
  settings.travelGroup = prefix.HasTravelThrottleAccessory();
  settings.masterChannel = main.MasterChannel();
  settings.fftWindow = main.FftWindow();
  settings.ptCorrection = intensity.PtCorrection();
  settings.out = &out;

  store.Decode(record, recordSize, firstFrame, 0);
  const long long storeLength = store.DeclaredLength();
  const long long frameSize = storeLength + data_length;
  for (int k = 0; k < Frames(); ++k) {
    const long long storeStart = firstFrame + frameSize * k;
    // Past the record's end every later frame is too; a frame size of 0
    // would repeat the first frame.
    if (storeStart >= recordSize || (k > 0 && frameSize == 0)) break;
    if (k > 0) store.Decode(record, recordSize, storeStart, 0);
    const long long dataStart = storeStart + storeLength;
    if (dataStart >= recordSize) continue;
    WriteFrameRows(A_Frame(settings, store, k, dataStart), layout);
  }
}
