// Interactivity of the file tree and the record preview.
//
// Input: a generated folder of --entries entries (default 5000: one fifth
// subfolders, the rest .VQB files), and a generated .VQB file holding one
// spectrum record whose translation is about --preview-kb KB of text
// (default 1000). Runs offscreen.
// Output: the median time to expand the folder (listing, sorting and item
// creation), to preview the record (translation, reading and the first
// paint), and to paint the preview pane scrolled to its middle and its end.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

#include "browser/CFileTree.h"
#include "browser/CVQBDataView.h"
#include "browser/TreeImages.h"
#include "shell/CVerdalonApp.h"
#include "VqbBuilder.h"

namespace {

constexpr int kRepetitions = 7;
// Each spectrum bin of one channel translates to about this many bytes.
constexpr int kTextBytesPerValue = 8;

double MedianMilliseconds(const std::function<void()>& work) {
  std::vector<double> times;
  for (int i = 0; i < kRepetitions; ++i) {
    QElapsedTimer timer;
    timer.start();
    work();
    times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

int IntOption(int argc, char** argv, const char* name, int fallback) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], name) == 0) return std::atoi(argv[i + 1]);
  }
  return fallback;
}

bool MakeFolder(const QString& path, int entries) {
  QDir folder(path);
  for (int i = 0; i < entries; ++i) {
    const QString name = QStringLiteral("entry%1").arg(entries - i, 5, 10, QLatin1Char('0'));
    if (i % 5 == 0) {
      if (!folder.mkdir(name)) return false;
    } else {
      QFile file(folder.filePath(name + QStringLiteral(".VQB")));
      if (!file.open(QIODevice::WriteOnly)) return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const int entries = IntOption(argc, argv, "--entries", 5000);
  const int previewKilobytes = IntOption(argc, argv, "--preview-kb", 1000);

  QTemporaryDir work;
  const QString folder = work.filePath(QStringLiteral("folder"));
  if (!QDir().mkpath(folder) || !MakeFolder(folder, entries)) {
    std::fprintf(stderr, "cannot make the folder of %d entries\n", entries);
    return 1;
  }
  // Four channels of bins; the record stays within a binary data file's size limit.
  const auto bins = static_cast<uint16_t>(std::min(65535, previewKilobytes * 1000 / kTextBytesPerValue / 4));
  const QString dataFile = QDir(folder).filePath(QStringLiteral("entry00000.VQB"));
  vqbtest::VqbFileBuilder().Add(1, vqbtest::SpectrumRecord(1, bins, 2)).WriteTo(QFile::encodeName(dataFile).toStdString());

  // Listings and previews run without a connection; the link is never used.
  CVerdalonApp app;
  CFileTree tree;
  CVQBDataView view;
  tree.SetDataView(&view);
  tree.resize(300, 600);
  view.resize(700, 600);
  tree.show();
  view.show();
  tree.SetDriveLister([&folder] { return std::vector<ComputerDrive>{{folder, TreeImage::kFixedDrive}}; });
  tree.ComputerRoot()->setExpanded(true);
  QTreeWidgetItem* drive = tree.ComputerRoot()->child(0);

  const double expand = MedianMilliseconds([&] {
    drive->setExpanded(false);
    drive->setExpanded(true);
    tree.viewport()->grab();
  });
  std::printf("expand a folder of %d entries (%d children): %.1f ms\n", entries + 1, drive->childCount(), expand);

  QTreeWidgetItem* file = nullptr;
  for (int i = 0; i < drive->childCount() && !file; ++i) {
    if (drive->child(i)->text(0) == QLatin1String("entry00000.VQB")) file = drive->child(i);
  }
  if (!file) {
    std::fprintf(stderr, "the data file was not listed\n");
    return 1;
  }
  file->setExpanded(true);
  QTreeWidgetItem* record = file->child(0);
  const double preview = MedianMilliseconds([&] {
    tree.setCurrentItem(file);
    tree.setCurrentItem(record);
    view.viewport()->grab();
  });
  std::printf("preview a record of %lld KB of text (%d bins x 4 channels): %.1f ms\n",
              static_cast<long long>(view.TextLength() / 1000), bins, preview);

  for (const auto& [where, position] : {std::pair{"middle", 2}, std::pair{"end", 1}}) {
    QScrollBar* bar = view.verticalScrollBar();
    bar->setValue(bar->maximum() / position);
    const double paint = MedianMilliseconds([&] { view.viewport()->grab(); });
    std::printf("paint the preview scrolled to its %s: %.2f ms\n", where, paint);
  }
  return 0;
}
