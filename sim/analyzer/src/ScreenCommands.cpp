// Screen captures: the whole screen, or the changes since the previous
// capture (the whole screen when there was none).
#include "CommandTable.h"
#include "simanalyzer/ErrorCodes.h"
#include "simanalyzer/ScreenLayout.h"
#include "simanalyzer/ScreenStream.h"

namespace simanalyzer {
namespace {

void SendCapture(CommandContext& c, bool changesOnly) {
  const ScreenBytes current = DrawScreen(c.state).Bytes();
  std::optional<ScreenBytes>& previous = c.state.panel.lastCapture;
  c.reply.Data(changesOnly && previous ? ChangesCaptureStream(*previous, current) : FullCaptureStream(current));
  previous = current;
}

int FullCapture(CommandContext& c) {
  SendCapture(c, false);
  return error::kNone;
}

int ChangesCapture(CommandContext& c) {
  SendCapture(c, true);
  return error::kNone;
}

}  // namespace

void AddScreenCommands(CommandTable& table) {
  table.emplace("QQQRF", FullCapture);
  table.emplace("QQQRD", ChangesCapture);
}

}  // namespace simanalyzer
