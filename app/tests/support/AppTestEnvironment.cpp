#include "tests/support/AppTestEnvironment.h"

#include <QSettings>

#include "common/SettingsKeys.h"
#include "common/UserPrompts.h"

void ResetAppTestEnvironment() {
  QSettings store(QString::fromLatin1(settings::kOrganisation), QString::fromLatin1(settings::kApplication));
  store.clear();
  store.sync();
  prompts::SetScripted(true);
}

QString SettingsFilePath() {
  QSettings store(QString::fromLatin1(settings::kOrganisation), QString::fromLatin1(settings::kApplication));
  return store.fileName();
}
