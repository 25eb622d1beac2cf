// The "Translator" section of the settings store: whether the viewer opens
// after a translation, and which program it is.
#pragma once

#include <QString>

#include "common/SettingsKeys.h"

namespace settings {
inline constexpr IntKey kAutoLaunchViewer{"Translator", "AutoLaunchViewer", 0};
inline constexpr const char* kTranslatorSection = "Translator";
inline constexpr const char* kViewerAppKey = "ViewerApp";  // default: empty, the desktop's program for the file
}  // namespace settings

struct TranslatorSettings {
  bool autoLaunch = false;
  QString viewerPath;

  static TranslatorSettings Read(settings::Store& store);
  void Write(settings::Store& store) const;
};
