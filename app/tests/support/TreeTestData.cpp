#include "tests/support/TreeTestData.h"

#include <QFile>
#include <QTemporaryDir>

#include "browser/RecordPreview.h"
#include "shell/CVerdalonApp.h"
#include "VqbBuilder.h"

namespace treetest {

namespace {

QByteArray ToByteArray(const vqbtest::Bytes& bytes) {
  return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

vqbtest::Bytes ToBytes(const QByteArray& bytes) {
  const auto* first = reinterpret_cast<const uint8_t*>(bytes.constData());
  return vqbtest::Bytes(first, first + bytes.size());
}

}  // namespace

QByteArray SpectrumRecordBytes() { return ToByteArray(vqbtest::SpectrumRecord(1, 8)); }

QByteArray PrefixAndBlock3Record() {
  return ToByteArray(vqbtest::RecordBuilder().RawBlock(0x0008, vqbtest::Bytes{4, 0, 0, 0}).Build());
}

void WriteTwelveRecordFile(const QString& path) {
  vqbtest::VqbFileBuilder file;
  file.Add(1, ToBytes(PrefixAndBlock3Record()));
  for (int i = 0; i < 12; ++i) file.Add(5, ToBytes(SpectrumRecordBytes()));
  file.WriteTo(QFile::encodeName(path).toStdString());
}

FakeMemoryFile TwoRecordMemoryFile() {
  return {QStringLiteral("FILE0001"),
          {{1, 1, QStringLiteral("Normal"), SpectrumRecordBytes()}, {5, 12, QStringLiteral("SEL"), PrefixAndBlock3Record()}}};
}

QTreeWidgetItem* Child(QTreeWidgetItem* parent, const QString& text) {
  for (int i = 0; parent && i < parent->childCount(); ++i) {
    if (parent->child(i)->text(0) == text) return parent->child(i);
  }
  return nullptr;
}

QStringList ChildTexts(const QTreeWidgetItem* parent) {
  QStringList texts;
  for (int i = 0; i < parent->childCount(); ++i) texts << parent->child(i)->text(0);
  return texts;
}

void Expand(QTreeWidgetItem* item) {
  if (item->isExpanded()) item->setExpanded(false);
  item->setExpanded(true);
}

QByteArray ExpectedPreview(const QString& path, int type, int number, unsigned short blockSelect) {
  QTemporaryDir folder;
  const QString output = folder.filePath(QStringLiteral("expected.txt"));
  if (!TranslateForPreview(path, output, type, number, blockSelect, CVerdalonApp::Instance()->GetCurrentProfile()))
    return {};
  QFile text(output);
  return text.open(QIODevice::ReadOnly) ? text.readAll() : QByteArray();
}

}  // namespace treetest
