// One frame of an autostore record as its layouts see it: bounded access to
// its measurement data, the row prefix taken from its spectral store
// information block, and the table text being built.
#pragma once

#include <cstdint>

#include "S_Block.h"

class RowBuffer;

// What every frame of one record shares.
struct A_FrameSettings {
  const unsigned char* record = nullptr;
  uint32_t recordSize = 0;
  uint64_t bins = 0;
  uint64_t channels = 0;
  bool countFrames = false;  // detectors 5 to 7 number the frames instead of timing them
  float deltaTime = 0;
  bool tachAndSpeed = false;
  bool adcAndIo = false;
  bool travelGroup = false;
  uint8_t masterChannel = 0;
  uint8_t fftWindow = 0;
  int16_t ptCorrection = 0;
  RowBuffer* out = nullptr;
};

class A_Frame {
 public:
  A_Frame(const A_FrameSettings& settings, const S_Block& store, int index, long long dataStart);

  const A_FrameSettings& Settings() const { return settings_; }
  const S_Block& Store() const { return store_; }
  RowBuffer& Out() const { return *settings_.out; }
  uint64_t Bins() const { return settings_.bins; }
  // The channel count, never more than the record has values for, so that a
  // hostile exponent cannot make rows without end.
  uint64_t Channels() const { return channels_; }

  // Whether every value of data row `row` lies inside the record; a row
  // that needs data beyond the record is left out.
  bool RowFits(uint64_t row) const;
  // Value `bin` of data row `row`: element row * bins + bin. Only for rows that fit.
  int16_t Value(uint64_t row, uint64_t bin) const;

  // The frame's time or count, overload, the sum of `channel` and the
  // optional tach, ADC and travel groups.
  void WriteRowPrefix(uint64_t channel) const;
  // Empty columns in place of the row prefix.
  void WriteBlankPrefix() const;

 private:
  uint64_t ValuesInRecord() const;

  const A_FrameSettings& settings_;
  const S_Block& store_;
  int index_;
  long long dataStart_;
  uint64_t channels_;
};
