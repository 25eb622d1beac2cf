#include "common/SettingsKeys.h"

#include <QStringList>

namespace settings {

QString Store::Path(const char* section, const QString& key) {
  return QString::fromLatin1(section) + QLatin1Char('/') + key;
}

int Store::Read(const IntKey& key) {
  const QVariant stored = store.value(Path(key.section, QString::fromLatin1(key.key)));
  bool ok = false;
  const int value = stored.toString().trimmed().toInt(&ok);
  return ok ? value : key.fallback;
}

void Store::Write(const IntKey& key, int value) {
  store.setValue(Path(key.section, QString::fromLatin1(key.key)), value);
}

QString Store::ReadText(const char* section, const QString& key, const QString& fallback) {
  const QVariant stored = store.value(Path(section, key));
  if (!stored.isValid()) return fallback;
  // A hand-edited store may hold an unquoted text with commas, which reads back as a list.
  if (stored.userType() == QMetaType::QStringList) return stored.toStringList().join(QLatin1Char(','));
  return stored.toString();
}

void Store::WriteText(const char* section, const QString& key, const QString& value) {
  store.setValue(Path(section, key), value);
}

void Store::Remove(const char* section, const QString& key) { store.remove(Path(section, key)); }

}  // namespace settings
