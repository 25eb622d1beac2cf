// Loads the profile list from the settings store at start and writes it back at exit.
#pragma once

#include "common/SettingsKeys.h"
#include "profiles/DataProfileList.h"

// A "NumProfiles" beyond this is taken as this many: a damaged store must not
// make the program read or delete keys without end.
inline constexpr int kMaxStoredProfiles = 1000;

void LoadDataProfiles(settings::Store& store, DataProfileList& list);
void StoreDataProfiles(settings::Store& store, const DataProfileList& list);
