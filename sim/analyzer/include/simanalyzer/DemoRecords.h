// Plausible records for a new user to browse: prefix, note and statistics
// blocks, and one large record so that downloads take visible time.
#pragma once

#include <vector>

#include "simanalyzer/MemoryStore.h"

namespace simanalyzer {

// The model number written into the header of the demo binary data file.
constexpr int kDemoModelNumber = 2480;

// The records of the sample binary data file (samples/demo.vqb).
std::vector<StoredRecord> DemoRecords();

// What the analyzer files away when told to store its current measurement.
StoredRecord DemoMeasurement();

}  // namespace simanalyzer
