// Prints the library's own numbers of every Standard-mode spectrum in a file,
// for the Python module's spectra to be compared with: one line per band,
// "TYPE:NUMBER", the band label and each channel's level, tab-separated.
#include <cstdio>

#include "morvane/IndexedFile.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  Morvane file(argv[1]);
  for (const _RecordEntryTag& record : morvane::RecordsOf(file)) {
    StandardSpectrum spectrum;
    if (!file.GetStandardSpectrum(record.type, record.number, &spectrum)) continue;
    for (std::size_t band = 0; band < spectrum.bandLabels.size(); ++band) {
      std::printf("%d:%d\t%s", record.type, record.number, spectrum.bandLabels[band].c_str());
      for (const auto& channel : spectrum.levels) std::printf("\t%.9g", static_cast<double>(channel[band]));
      std::printf("\n");
    }
  }
  return 0;
}
