#include "profiles/ProfileExchangeFile.h"

#include <QFile>
#include <QSaveFile>

#include "common/ReplacedFile.h"

namespace {
constexpr int kMaxByte = 255;
}

bool WriteProfileExchangeFile(const QString& path, const std::vector<QString>& texts) {
  QByteArray bytes(1, '\0');
  int written = 0;
  for (const QString& text : texts) {
    const QByteArray encoded = text.toLatin1();
    if (encoded.size() > kMaxByte || written == kMaxByte) continue;
    bytes.append(static_cast<char>(encoded.size()));
    bytes.append(encoded);
    ++written;
  }
  bytes[0] = static_cast<char>(written);
  QSaveFile file(path);
  if (!files::OpenReplacing(file)) return false;
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

std::vector<DataProfile> ReadProfileExchangeFile(const QString& path) {
  std::vector<DataProfile> profiles;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return profiles;
  // The largest valid file is 1 + 255 * 256 bytes; anything past that is not read.
  const QByteArray bytes = file.read(1 + kMaxByte * (kMaxByte + 1));
  if (bytes.isEmpty()) return profiles;
  const int count = static_cast<unsigned char>(bytes[0]);
  qsizetype position = 1;
  for (int index = 1; index <= count && position < bytes.size(); ++index) {
    const int length = static_cast<unsigned char>(bytes[position]);
    if (bytes.size() - (position + 1) < length) break;
    profiles.push_back(DataProfile::Parse(index, QString::fromLatin1(bytes.mid(position + 1, length))));
    position += 1 + length;
  }
  return profiles;
}
