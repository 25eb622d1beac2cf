#include "panel/PanelSettings.h"

#include <limits>

namespace panel {

int PanelSettings::TimerMilliseconds() const {
  constexpr int kLongestSeconds = std::numeric_limits<int>::max() / 1000;
  if (timedUpdate == 0 || updateSeconds <= 0) return 0;
  return updateSeconds > kLongestSeconds ? kLongestSeconds * 1000 : updateSeconds * 1000;
}

PanelSettings ReadPanelSettings(settings::Store& store) {
  PanelSettings values;
  values.keypressUpdate = store.Read(kKeypressUpdate);
  values.timedUpdate = store.Read(kTimedUpdate);
  values.captureMode = store.Read(kCaptureMode);
  values.updateSeconds = store.Read(kUpdateTime);
  values.printSize = store.Read(kPrintSize);
  values.changesOnly = store.Read(kDisplayChanges);
  return values;
}

void WritePanelSettings(settings::Store& store, const PanelSettings& values) {
  store.Write(kKeypressUpdate, values.keypressUpdate);
  store.Write(kTimedUpdate, values.timedUpdate);
  store.Write(kCaptureMode, values.captureMode);
  store.Write(kUpdateTime, values.updateSeconds);
  store.Write(kPrintSize, values.printSize);
  store.Write(kDisplayChanges, values.changesOnly);
}

}  // namespace panel
