#include "translate/TranslationJob.h"

#include <QFile>
#include <limits>

#include "browser/RecordPreview.h"
#include "morvane/Rearrange.h"

TranslationOutcome RunTranslation(const TranslationJob& job) {
  if (job.records.empty() || job.records.size() > std::numeric_limits<unsigned short>::max() ||
      job.preamble.size() > std::numeric_limits<unsigned short>::max())
    return TranslationOutcome::Failed;
  _TranslateInfoTag request{};
  if (!CopyTranslatePath(job.inputPath, request.inputPath) || !CopyTranslatePath(job.outputPath, request.outputPath))
    return TranslationOutcome::Failed;
  std::vector<_RecordEntryTag> records = job.records;
  request.profile = job.profile;
  request.records = records.data();
  request.recordTotal = static_cast<unsigned short>(records.size());
  request.blockSelect = ALL_PRESENT_BLOCKS;
  request.preamble = job.preamble.isEmpty() ? nullptr : job.preamble.constData();
  request.preambleLength = static_cast<unsigned short>(job.preamble.size());
  Morvane translator;
  if (translator.Translate(&request) == 0) return TranslationOutcome::Failed;
  return morvane::WantsRearrangedOutput(translator.ABlockDecoded(), job.profile) ? TranslationOutcome::NeedsRearranging
                                                                                   : TranslationOutcome::Translated;
}

bool RearrangeTranslatedFile(const QString& outputPath) {
  return morvane::RearrangeOutput(QFile::encodeName(outputPath).toStdString());
}
