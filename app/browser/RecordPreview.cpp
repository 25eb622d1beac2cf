#include "browser/RecordPreview.h"

#include <QFile>
#include <cstring>

#include "morvane/Names.h"

bool CopyTranslatePath(const QString& path, char (&field)[kTranslatePathSize]) {
  const QByteArray encoded = QFile::encodeName(path);
  if (encoded.isEmpty() || encoded.size() >= kTranslatePathSize) return false;
  std::memcpy(field, encoded.constData(), static_cast<std::size_t>(encoded.size()));
  field[encoded.size()] = '\0';
  return true;
}

bool TranslateForPreview(const QString& inputPath, const QString& outputPath, int type, int number,
                         unsigned short blockSelect, _DataProfileTag* profile) {
  _RecordEntryTag record{};
  record.type = static_cast<unsigned char>(type);
  record.number = static_cast<unsigned short>(number);
  _TranslateInfoTag request{};
  if (!CopyTranslatePath(inputPath, request.inputPath) || !CopyTranslatePath(outputPath, request.outputPath))
    return false;
  request.profile = profile;
  request.records = &record;
  request.recordTotal = 1;
  request.blockSelect = blockSelect;
  request.preamble = nullptr;
  request.preambleLength = 0;
  Morvane translator;
  return translator.Translate(&request) != 0;
}

QByteArray RenumberBanner(QByteArray text, int type, int number) {
  const QByteArray name = QByteArray("Output of ") + morvane::RecordTypeName(static_cast<unsigned>(type)) + ' ';
  const QByteArray copied = name + "1\r\n";
  const qsizetype at = text.indexOf(copied);
  if (at >= 0) text.replace(at, copied.size(), name + QByteArray::number(number) + "\r\n");
  return text;
}
