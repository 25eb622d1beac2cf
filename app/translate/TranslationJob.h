// One run of the translation dialog's "&Translate": the request handed to
// the translator, and the rearrangement the profile asks for.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "morvane/Morvane.h"

struct TranslationJob {
  QString inputPath;
  QString outputPath;
  _DataProfileTag* profile = nullptr;  // null: the translator's all-bits default
  std::vector<_RecordEntryTag> records;
  QByteArray preamble;
};

enum class TranslationOutcome { Failed, Translated, NeedsRearranging };

// Translates every block each chosen record holds; NeedsRearranging when an
// A block was decoded and the profile asks for its table to be turned.
TranslationOutcome RunTranslation(const TranslationJob& job);

// Turns the autostore table of `outputPath`; false leaves the file as it was.
bool RearrangeTranslatedFile(const QString& outputPath);
