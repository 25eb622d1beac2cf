#include "tests/support/SimulatorConnect.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "browser/CFileTree.h"
#include "commands/CommandIds.h"
#include "link/AnalyzerLink.h"
#include "link/LinkHealth.h"
#include "link/TalvinetLink.h"
#include "shell/CMainFrame.h"
#include "shell/CVerdalonApp.h"
#include "tests/support/AppTestEnvironment.h"
#include "tests/support/ModalDriver.h"
#include "simanalyzer/VirtualAnalyzer.h"
#include "tests/support/TreeTestData.h"

void ChooseSimulatorPort(QDialog& connect, const QString& device) {
  connect.findChild<QComboBox*>(QStringLiteral("Instrument"))->setCurrentText(QStringLiteral("Cedar+ Serial"));
  connect.findChild<QComboBox*>(QStringLiteral("ComPort"))->setCurrentIndex(1);
  connect.findChild<QLineEdit*>(QStringLiteral("ComDevice"))->setText(device);
}

bool ConnectToSimulator(CMainFrame& frame, const QString& device) {
  bool managerOpened = false;
  OnNextModal([&](QDialog* connect) {
    ChooseSimulatorPort(*connect, device);
    OnNextModal([&](QDialog* manager) {
      managerOpened = true;
      manager->accept();
    });
    connect->findChild<QPushButton*>(QStringLiteral("connectButton"))->click();
  });
  frame.OnCommand(cmd::kConnect);
  return managerOpened;
}

CFileTree* StartConnected(CVerdalonApp& app, const std::string& device) {
  if (!app.InitInstance(false) || !ConnectToSimulator(*app.MainFrame(), QString::fromStdString(device))) return nullptr;
  CFileTree* tree = app.MainFrame()->FileTree();
  if (!tree->AnalyzerRoot()) return nullptr;
  treetest::Expand(tree->AnalyzerRoot());
  return tree;
}

void PutMemoryFile(simanalyzer::PtyAnalyzer& analyzer, const char* name,
                   std::vector<simanalyzer::StoredRecord> records) {
  analyzer.WithAnalyzer([&](simanalyzer::VirtualAnalyzer& virtualAnalyzer) {
    simanalyzer::MemoryFile file = simanalyzer::NewFile(name, 0);
    file.records = std::move(records);
    virtualAnalyzer.State().store.Memory().Put(file);
  });
}

CFileTree* StartWithFileSelected(CVerdalonApp& app, const std::string& device, const QString& name) {
  CFileTree* tree = StartConnected(app, device);
  QTreeWidgetItem* file = tree ? treetest::Child(tree->AnalyzerRoot(), name) : nullptr;
  if (!file) return nullptr;
  tree->setCurrentItem(file);
  return tree;
}

CMainFrame* ServeAndSelect(simanalyzer::PtyAnalyzer& analyzer, CVerdalonApp& app, const char* name,
                           std::vector<simanalyzer::StoredRecord> records) {
  ResetAppTestEnvironment();
  PutMemoryFile(analyzer, name, std::move(records));
  std::string problem;
  if (!analyzer.Start(problem)) {
    QTest::qSkip(problem.c_str(), __FILE__, __LINE__);
    return nullptr;
  }
  if (!StartWithFileSelected(app, analyzer.DevicePath(), QLatin1String(name))) {
    QTest::qFail("the program did not connect with the file selected", __FILE__, __LINE__);
    return nullptr;
  }
  return app.MainFrame();
}

bool OpenSimulatorLink(AnalyzerLink& link, const std::string& device) {
  SerialLinkRequest request;
  request.port = 2;
  request.deviceFile = QString::fromStdString(device);
  if (!link.OpenConnection(request) || !link.InitHardwareInfo()) return false;
  if (LinkHealth* health = HealthOf(link)) health->Opened(QStringLiteral("Cedar+"), request.deviceFile);
  return true;
}

SimulatorSession::SimulatorSession(const std::vector<File>& files) : app(std::make_unique<TalvinetLink>()) {
  ResetAppTestEnvironment();
  for (const File& file : files) PutMemoryFile(analyzer, file.first, file.second);
  if (analyzer.Start(problem)) tree = StartConnected(app, analyzer.DevicePath());
}

SimulatorSession::~SimulatorSession() {
  if (app.m_connected == 1) app.MainFrame()->OnCommand(cmd::kDisconnect);
  if (app.MainFrame()) app.ExitInstance();
  analyzer.Stop();
}
