// Reads arbitrary bytes as a profile exchange file (.vqf) and as a profile's
// stored text; a profile read from either must read back the same from the
// text it is written as.
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "profiles/DataProfileList.h"
#include "profiles/ProfileExchangeFile.h"

namespace {

bool SameWords(const _DataProfileTag& a, const _DataProfileTag& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void ExpectRoundTrip(const DataProfile& profile) {
  const DataProfile again = DataProfile::Parse(profile.id, profile.Format());
  if (again.name != profile.name || !SameWords(again.tag, profile.tag)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const QString path = QDir::temp().filePath(QStringLiteral("profile_files_fuzz_%1.vqf").arg(getpid()));
  {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    file.write(bytes);
  }
  for (const DataProfile& profile : ReadProfileExchangeFile(path)) ExpectRoundTrip(profile);
  QFile::remove(path);

  ExpectRoundTrip(DataProfile::Parse(2, QString::fromLatin1(bytes)));
  return 0;
}
