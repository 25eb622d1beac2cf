// Binary data files and analyzer records for the file tree's tests.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTreeWidgetItem>

#include "tests/support/FakeAnalyzerLink.h"

class CFileTree;

namespace treetest {

// A record of the prefix, main system variables and spectral data blocks.
QByteArray SpectrumRecordBytes();
// A record holding the prefix and the block of index 3 only.
QByteArray PrefixAndBlock3Record();
// Writes a file of twelve records of type 5 (the last is "… 12") and one
// of type 1 at `path`.
void WriteTwelveRecordFile(const QString& path);
// A memory file "FILE0001" with two records, one of each builder above.
FakeMemoryFile TwoRecordMemoryFile();

// The child of `parent` with `text`, or null.
QTreeWidgetItem* Child(QTreeWidgetItem* parent, const QString& text);
QStringList ChildTexts(const QTreeWidgetItem* parent);
// Collapses `item` if needed and expands it, which lists its children.
void Expand(QTreeWidgetItem* item);
// The text a preview of (type, number, blockSelect) of `path` should show.
QByteArray ExpectedPreview(const QString& path, int type, int number, unsigned short blockSelect);

}  // namespace treetest
