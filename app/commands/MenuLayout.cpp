#include "commands/MenuLayout.h"

#include "commands/CommandIds.h"

namespace cmd {

const std::vector<Menu>& MenuBar() {
  static const std::vector<Menu> menus{
      {"&File",
       {{"&Translate...", kTranslate},
        {nullptr, kSeparator},
        {"&Create...", kCreate},
        {"&Delete", kDelete},
        {nullptr, kSeparator},
        {"C&opy to Computer...", kCopyToComputer},
        {"Copy to Dis&kette", kCopyToDiskette},
        {"Data &Profiles...", kDataProfiles},
        {nullptr, kSeparator},
        {"&Print...\tCtrl+P", kPrint},
        {"Print Pre&view", kPrintPreview},
        {"P&rint Setup...", kPrintSetup},
        {nullptr, kSeparator},
        {"E&xit", kExit}}},
      {"&Edit",
       {{"&Undo\tCtrl+Z", kEditUndo},
        {nullptr, kSeparator},
        {"Cu&t\tCtrl+X", kEditCut},
        {"&Copy\tCtrl+C", kEditCopy},
        {"&Paste\tCtrl+V", kEditPaste}}},
      {"&View", {{"&Toolbar", kViewToolbar}, {"&Status Bar", kViewStatusBar}, {"S&plit", kWindowSplit}}},
      {"Instrument",
       {{"&Connect", kConnect},
        {"&Disconnect", kDisconnect},
        {nullptr, kSeparator},
        {"&Instrument Manager", kInstrumentManager},
        {nullptr, kSeparator},
        {"&Send Command", kSendCommand},
        {"&Virtual RTA", kVirtualRta}}},
      {"Audio", {{"&Record", kRecord}, {"&Playback", kPlayback}}},
      {"&Help", {{"&About Verdalon...", kAbout}}},
  };
  return menus;
}

const std::vector<int>& ToolbarButtons() {
  static const std::vector<int> buttons{kConnect,   kDisconnect,  kSeparator, kDataProfiles, kSeparator,
                                        kInstrumentManager, kSendCommand, kVirtualRta, kSeparator, kRecord,
                                        kPlayback,  kSeparator,   kPrint,     kSeparator,    kAbout};
  return buttons;
}

const std::vector<Accelerator>& Accelerators() {
  static const std::vector<Accelerator> accelerators{
      {QKeySequence(Qt::CTRL | Qt::Key_N), kFileNew},
      {QKeySequence(Qt::CTRL | Qt::Key_O), kFileOpen},
      {QKeySequence(Qt::CTRL | Qt::Key_S), kFileSave},
      {QKeySequence(Qt::CTRL | Qt::Key_P), kPrint},
      {QKeySequence(Qt::CTRL | Qt::Key_Z), kEditUndo},
      {QKeySequence(Qt::ALT | Qt::Key_Backspace), kEditUndo},
      {QKeySequence(Qt::CTRL | Qt::Key_X), kEditCut},
      {QKeySequence(Qt::SHIFT | Qt::Key_Delete), kEditCut},
      {QKeySequence(Qt::CTRL | Qt::Key_C), kEditCopy},
      {QKeySequence(Qt::CTRL | Qt::Key_Insert), kEditCopy},
      {QKeySequence(Qt::CTRL | Qt::Key_V), kEditPaste},
      {QKeySequence(Qt::SHIFT | Qt::Key_Insert), kEditPaste},
      {QKeySequence(Qt::Key_F6), kNextPane},
      {QKeySequence(Qt::SHIFT | Qt::Key_F6), kPreviousPane},
  };
  return accelerators;
}

const std::vector<int>& FileTreeContextMenu() {
  static const std::vector<int> items{kTranslate,      kSeparator,      kCreate,    kDelete,     kSeparator,
                                      kCopyToComputer, kCopyToDiskette, kSeparator, kDataProfiles};
  return items;
}

}  // namespace cmd
