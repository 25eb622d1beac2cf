// The intensity variables block: the job, part and area names and the probe
// geometry of a sound-intensity measurement, with the pressure-temperature
// correction that the intensity layouts subtract.
#pragma once

#include <cstdint>

#include "Block.h"

class I_Block : public Block {
 public:
  static constexpr uint16_t kBit = 0x0200;
  static constexpr uint16_t kExpectedLength = 84;
  static constexpr std::size_t kNameSize = 21;

  int Decode(const unsigned char* record, unsigned long size, int report) override;

  const char* JobName() const { return job_name; }
  const char* PartName() const { return part_name; }
  const char* AreaName() const { return area_name; }
  uint8_t Meters() const { return meters; }
  uint16_t MetersFraction() const { return meters_fraction; }
  int16_t MetersL() const { return meters_l; }
  uint16_t Spacer() const { return spacer; }
  uint16_t Pressure() const { return pressure; }
  int16_t Temperature() const { return temperature; }
  // In level steps of 1/256 of a base-2 logarithm.
  int16_t PtCorrection() const { return pt_correction; }

 protected:
  uint16_t declared_length = 0;
  uint8_t job_tag[2] = {};
  char job_name[kNameSize + 1] = {};
  uint8_t part_tag[2] = {};
  char part_name[kNameSize + 1] = {};
  uint8_t area_tag[2] = {};
  char area_name[kNameSize + 1] = {};
  uint8_t meters = 0;
  uint16_t meters_fraction = 0;
  int16_t meters_l = 0;
  uint16_t spacer = 0;
  uint16_t pressure = 0;
  int16_t temperature = 0;
  int16_t pt_correction = 0;
};
