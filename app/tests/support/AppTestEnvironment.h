// Common set-up of the desktop program's tests.
#pragma once

#include <QString>

// Empties the settings store and scripts the message boxes and file dialogs.
void ResetAppTestEnvironment();
// The settings file of the store, for tests that write raw values.
QString SettingsFilePath();
