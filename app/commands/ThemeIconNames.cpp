#include "commands/ThemeIconNames.h"

#include "commands/CommandIds.h"

namespace cmd {
namespace {

struct ThemeIcon {
  int id;
  const char* name;
};

// Connect, Disconnect, Instrument Manager, Virtual RTA, Translate and Copy
// to Computer have no standard name of their meaning: they keep our own art.
constexpr ThemeIcon kThemeIcons[] = {
    {kDataProfiles, "document-properties"},
    {kSendCommand, "utilities-terminal"},
    {kRecord, "media-record"},
    {kPlayback, "media-playback-start"},
    {kCreate, "document-new"},
    {kDelete, "edit-delete"},
    {kCopyToDiskette, "media-floppy"},
    {kPrint, "document-print"},
    {kPrintPreview, "document-print-preview"},
    {kPrintSetup, "document-page-setup"},
    {kEditUndo, "edit-undo"},
    {kEditCut, "edit-cut"},
    {kEditCopy, "edit-copy"},
    {kEditPaste, "edit-paste"},
    {kAbout, "help-about"},
    {kExit, "application-exit"},
};

}  // namespace

const char* ThemeIconName(int id) {
  for (const ThemeIcon& icon : kThemeIcons) {
    if (icon.id == id) return icon.name;
  }
  return nullptr;
}

}  // namespace cmd
