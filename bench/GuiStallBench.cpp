// How long the window thread stalls while the program talks to the analyzer.
//
// Input: the virtual analyzer (a Cedar) on a pseudo-terminal paced at 19200
// baud, holding memory file BENCHSET with records of 256 and 3,328 bytes, and
// memory file BIGFILES of 64 KB in 8 records of 8,192 bytes. The real windows run
// offscreen. A probe timer due every 10 ms records how late it fires.
// Scenarios: connect; expand Analyzer Files and a memory file; preview each
// record; Copy to Computer of BIGFILES; Translate of BENCHSET; --seconds (default 20)
// of the status page; as long of the panel with an update after each key
// press (one a second) and a timed update (every second); and the status
// page, the panel and a copy with an analyzer that goes silent midway.
// Output: per scenario the longest stall in ms and the time spent in calls,
// once with the calls on the link's worker thread and once with them on the
// window thread, through the protocol library directly (the floor), and the
// ratio of the two call times.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>

#include "browser/CFileTree.h"
#include "commands/CommandIds.h"
#include "common/UserPrompts.h"
#include "link/LinkWorker.h"
#include "link/TalvinetLink.h"
#include "manager/CStatusDlg.h"
#include "panel/CVirtualRtaDlg.h"
#include "shell/CMainFrame.h"
#include "shell/CVerdalonApp.h"
#include "simanalyzer/PtyAnalyzer.h"
#include "simanalyzer/VirtualAnalyzer.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/SimulatorConnect.h"
#include "tests/support/TreeTestData.h"
#include "VqbBuilder.h"

namespace {

constexpr int kProbeMilliseconds = 10;
constexpr int kBaud = 19200;
// Bytes after which the silent scenarios' analyzer stops answering.
constexpr std::size_t kSilentAfterBytes = 2000;

// The longest lateness of a timer that should fire every 10 ms.
class StallProbe {
 public:
  StallProbe() {
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(kProbeMilliseconds);
    QObject::connect(&timer, &QTimer::timeout, [this] {
      longest = std::max(longest, clock.restart() - kProbeMilliseconds);
    });
    clock.start();
    timer.start();
  }
  qint64 Longest() const { return longest; }

 private:
  QTimer timer;
  QElapsedTimer clock;
  qint64 longest = 0;
};

// The time the link spends in calls, from its activity reports.
class CallClock {
 public:
  explicit CallClock(LinkWorker& worker) {
    QObject::connect(&worker, &LinkWorker::ActivityChanged, &context, [this](const QString& activity) {
      if (!activity.isEmpty() && !running) {
        clock.start();
        running = true;
      } else if (activity.isEmpty() && running) {
        total += clock.nsecsElapsed();
        running = false;
      }
    });
  }
  double Milliseconds() const { return static_cast<double>(total) / 1e6; }

 private:
  QObject context;
  QElapsedTimer clock;
  qint64 total = 0;
  bool running = false;
};

struct Session {
  CVerdalonApp& app;
  CMainFrame& frame;
  TalvinetLink& link;
  simanalyzer::PtyAnalyzer& analyzer;
  QString folder;
  int seconds;
};

void Pump(int milliseconds) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < milliseconds) QApplication::processEvents(QEventLoop::AllEvents, 5);
}

void GoSilent(Session& session) {
  session.analyzer.WithAnalyzer(
      [](simanalyzer::VirtualAnalyzer& analyzer) { analyzer.Misbehaviour().silentAfterBytes = kSilentAfterBytes; });
}

QTreeWidgetItem* MemoryFile(Session& session, const char* name) {
  return treetest::Child(session.frame.FileTree()->AnalyzerRoot(), QLatin1String(name));
}

void Expand(Session& session) {
  treetest::Expand(session.frame.FileTree()->AnalyzerRoot());
  if (QTreeWidgetItem* file = MemoryFile(session, "BENCHSET")) treetest::Expand(file);
}

void Preview(Session& session, int index) {
  QTreeWidgetItem* file = MemoryFile(session, "BENCHSET");
  if (!file) return;
  treetest::Expand(file);
  if (file->childCount() > index) session.frame.FileTree()->setCurrentItem(file->child(index));
}

void CopyBig(Session& session) {
  session.frame.FileTree()->setCurrentItem(MemoryFile(session, "BIGFILES"));
  prompts::QueueFileName(session.folder + QStringLiteral("/big.vqb"));
  session.frame.OnCommand(cmd::kCopyToComputer);
}

void TranslateBench(Session& session) {
  session.frame.FileTree()->setCurrentItem(MemoryFile(session, "BENCHSET"));
  OnNextModal([&](QDialog* dialog) {
    dialog->findChild<QLineEdit*>(QStringLiteral("outputPath"))->setText(session.folder + QStringLiteral("/bench.csv"));
    dialog->findChild<QPushButton*>(QStringLiteral("selectAllButton"))->click();
    dialog->findChild<QPushButton*>(QStringLiteral("translateButton"))->click();
    dialog->accept();
  });
  session.frame.OnCommand(cmd::kTranslate);
}

void StatusPage(Session& session) {
  CStatusDlg page(session.link);
  page.show();
  page.OnSetActive();
  Pump(session.seconds * 1000);
}

void Panel(Session& session) {
  CVirtualRtaDlg panel(session.link);
  panel.show();
  auto* key = panel.findChild<QPushButton*>(QStringLiteral("key_1"));
  for (int second = 0; second < session.seconds; ++second) {
    if (key && key->isVisible()) key->click();
    Pump(1000);
  }
}

struct Scenario {
  const char* name;
  std::function<void(Session&)> run;
  bool silentMidway;
};

// A spectrum record of about `bytes` bytes: two bytes a band past its set-up.
vqbtest::Bytes SpectrumRecordOfSize(std::uint8_t filter, std::size_t bytes) {
  const std::size_t setUp = vqbtest::SpectrumRecord(filter, 1).size() - 2;
  return vqbtest::SpectrumRecord(filter, static_cast<std::uint16_t>((bytes - setUp) / 2));
}

simanalyzer::VirtualAnalyzer BenchAnalyzer() {
  simanalyzer::VirtualAnalyzer analyzer;
  simanalyzer::MemoryFile bench = simanalyzer::NewFile("BENCHSET", 0);
  bench.records.push_back({1, SpectrumRecordOfSize(1, 256)});
  bench.records.push_back({1, SpectrumRecordOfSize(2, 3328)});
  analyzer.State().store.Memory().Put(bench);
  simanalyzer::MemoryFile big = simanalyzer::NewFile("BIGFILES", 0);
  for (int i = 1; i <= 8; ++i) big.records.push_back({1, SpectrumRecordOfSize(1, 8192)});
  analyzer.State().store.Memory().Put(big);
  return analyzer;
}

struct Figures {
  qint64 stall = 0;
  double callMs = 0;
};

// One run of `scenario` against a fresh analyzer; the connect is measured
// as a scenario of its own and left out of the others.
bool Measure(const Scenario& scenario, LinkWorker::Placement placement, int seconds, Figures& figures) {
  simanalyzer::PtyAnalyzer analyzer{BenchAnalyzer(), simanalyzer::Pacing{kBaud, 1.0}};
  std::string problem;
  if (!analyzer.Start(problem)) {
    std::fprintf(stderr, "gui_stall_bench: %s\n", problem.c_str());
    return false;
  }
  auto owned = std::make_unique<TalvinetLink>(placement);
  TalvinetLink& link = *owned;
  CVerdalonApp app(std::move(owned));
  if (!app.InitInstance(false)) return false;
  QTemporaryDir folder;
  Session session{app, *app.MainFrame(), link, analyzer, folder.path(), seconds};
  const bool connectOnly = std::strcmp(scenario.name, "connect") == 0;
  std::unique_ptr<StallProbe> probe;
  std::unique_ptr<CallClock> calls;
  if (connectOnly) {
    probe = std::make_unique<StallProbe>();
    calls = std::make_unique<CallClock>(*link.Worker());
  }
  if (!ConnectToSimulator(session.frame, QString::fromStdString(analyzer.DevicePath()))) return false;
  if (!connectOnly) {
    if (std::strcmp(scenario.name, "expand") != 0) treetest::Expand(session.frame.FileTree()->AnalyzerRoot());
    probe = std::make_unique<StallProbe>();
    calls = std::make_unique<CallClock>(*link.Worker());
    if (scenario.silentMidway) QTimer::singleShot(seconds * 500, [&] { GoSilent(session); });
    scenario.run(session);
  }
  figures = {probe->Longest(), calls->Milliseconds()};
  probe.reset();
  calls.reset();
  session.frame.OnCommand(cmd::kDisconnect);
  app.ExitInstance();
  analyzer.Stop();
  return true;
}

int IntOption(int argc, char** argv, const char* name, int fallback) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], name) == 0) return std::atoi(argv[i + 1]);
  }
  return fallback;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  prompts::SetScripted(true);
  const int seconds = IntOption(argc, argv, "--seconds", 20);
  const Scenario scenarios[] = {
      {"connect", [](Session&) {}, false},
      {"expand", Expand, false},
      {"preview 256 B", [](Session& s) { Preview(s, 0); }, false},
      {"preview 3328 B", [](Session& s) { Preview(s, 1); }, false},
      {"copy 64 KB", CopyBig, false},
      {"translate", TranslateBench, false},
      {"status page", StatusPage, false},
      {"panel", Panel, false},
      {"status page, silent midway", StatusPage, true},
      {"panel, silent midway", Panel, true},
      {"copy, silent midway", CopyBig, true},
  };
  std::printf("%-28s %12s %12s %12s %12s %7s\n", "scenario", "stall ms", "calls ms", "floor stall", "floor ms",
              "ratio");
  bool allWithin = true;
  for (const Scenario& scenario : scenarios) {
    Figures threaded;
    Figures floor;
    if (!Measure(scenario, LinkWorker::Placement::WorkerThread, seconds, threaded) ||
        !Measure(scenario, LinkWorker::Placement::CallerThread, seconds, floor)) {
      std::fprintf(stderr, "gui_stall_bench: %s could not run\n", scenario.name);
      return 1;
    }
    const double ratio = floor.callMs > 0 ? threaded.callMs / floor.callMs : 1.0;
    allWithin = allWithin && threaded.stall <= 50;
    std::printf("%-28s %12lld %12.0f %12lld %12.0f %7.3f\n", scenario.name, static_cast<long long>(threaded.stall),
                threaded.callMs, static_cast<long long>(floor.stall), floor.callMs, ratio);
  }
  std::printf("longest stall %s 50 ms in every scenario\n", allWithin ? "within" : "OVER");
  return 0;
}
