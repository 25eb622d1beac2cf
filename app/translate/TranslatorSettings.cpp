#include "translate/TranslatorSettings.h"

TranslatorSettings TranslatorSettings::Read(settings::Store& store) {
  TranslatorSettings stored;
  stored.autoLaunch = store.Read(settings::kAutoLaunchViewer) != 0;
  stored.viewerPath = store.ReadText(settings::kTranslatorSection, QString::fromLatin1(settings::kViewerAppKey), QString());
  return stored;
}

void TranslatorSettings::Write(settings::Store& store) const {
  store.Write(settings::kAutoLaunchViewer, autoLaunch ? 1 : 0);
  store.WriteText(settings::kTranslatorSection, QString::fromLatin1(settings::kViewerAppKey), viewerPath);
}
