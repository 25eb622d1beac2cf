// Morvane::GetStandardSpectrum: a record's spectrum as numbers, for callers
// that draw it rather than print it.
#include <vector>

#include "blocks/D_BlockWriter.h"
#include "morvane/Morvane.h"

int Morvane::GetStandardSpectrum(unsigned char type, unsigned short number, StandardSpectrum* spectrum) {
  if (spectrum == nullptr) return 0;
  *spectrum = {};
  Location location{};
  // As for the block names: a record past the end of the file is refused
  // before its buffer is allocated.
  if (inputFile == nullptr || !Locate(type, number, location) || !RecordFitsInFile(type, number)) return 0;
  std::vector<unsigned char> record(location.size);
  if (!GetRecordData(type, number, record.data(), static_cast<unsigned long>(record.size()))) return 0;
  D_BlockWriter reader;
  return reader.ReadStandardSpectrum(record.data(), static_cast<unsigned long>(record.size()), *spectrum);
}
