// The virtual panel's settings in the "VirtualRTA" section, with their defaults.
#pragma once

#include "common/SettingsKeys.h"

namespace panel {

inline constexpr settings::IntKey kKeypressUpdate{"VirtualRTA", "KeypressUpdate", 0};
inline constexpr settings::IntKey kTimedUpdate{"VirtualRTA", "TimedUpdate", 0};
inline constexpr settings::IntKey kCaptureMode{"VirtualRTA", "CaptureMode", 1};
inline constexpr settings::IntKey kUpdateTime{"VirtualRTA", "UpdateTime", 3};
inline constexpr settings::IntKey kPrintSize{"VirtualRTA", "PrintSize", 5};
inline constexpr settings::IntKey kDisplayChanges{"VirtualRTA", "DisplayChanges", 0};

enum CaptureMode { kCaptureToClipboard = 1, kCaptureToBitmapFile = 2, kCaptureToPrinter = 3 };
inline constexpr int kSmallestPrintSize = 1;
inline constexpr int kLargestPrintSize = 10;

struct PanelSettings {
  int keypressUpdate = kKeypressUpdate.fallback;
  int timedUpdate = kTimedUpdate.fallback;
  int captureMode = kCaptureMode.fallback;
  int updateSeconds = kUpdateTime.fallback;
  int printSize = kPrintSize.fallback;
  int changesOnly = kDisplayChanges.fallback;

  // The timer's period in milliseconds; 0 when the timer stays off, which a
  // period of 0 seconds or less means too.
  int TimerMilliseconds() const;
};

PanelSettings ReadPanelSettings(settings::Store& store);
void WritePanelSettings(settings::Store& store, const PanelSettings& values);

}  // namespace panel
