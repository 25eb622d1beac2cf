#include "AnalyzerLink.h"

namespace {

// Stands in while the program is built without the protocol library: every
// exchange fails, so Connect reports that no link could be opened.
class UnavailableAnalyzerLink final : public AnalyzerLink {
 public:
  bool OpenConnection(const SerialLinkRequest&) override { return false; }
  void InitParallelPort(int, int) override {}
  bool CloseConnection() override { return false; }
  bool InitHardwareInfo() override { return false; }
  QString GetFirmwareVersion() override { return {}; }
  bool SendGenericCommand(const QByteArray&, QByteArray& result) override {
    result.clear();
    return false;
  }
};

}  // namespace

std::unique_ptr<AnalyzerLink> MakeAnalyzerLink() { return std::make_unique<UnavailableAnalyzerLink>(); }
