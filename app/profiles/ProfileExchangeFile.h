// The profile exchange file (.vqf): a count byte, then a length byte and the
// profile's text for each profile.
#pragma once

#include <QString>
#include <vector>

#include "profiles/DataProfileList.h"

// Writes the texts whole or not at all. A text over 255 bytes cannot be
// described by its length byte and is left out, and at most 255 texts fit the
// count byte; the count written is the number of texts really written.
bool WriteProfileExchangeFile(const QString& path, const std::vector<QString>& texts);

// The profiles of the file with ids 1, 2, ... by position. A file that ends
// early gives the profiles read completely; one that cannot be opened, none.
std::vector<DataProfile> ReadProfileExchangeFile(const QString& path);
