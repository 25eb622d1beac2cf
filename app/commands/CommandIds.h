// Command ids of the menus, the toolbar, the accelerators and the tree's context menu.
#pragma once

namespace cmd {

inline constexpr int kTranslate = 22803;
inline constexpr int kRecord = 22805;
inline constexpr int kPlayback = 22806;
inline constexpr int kDataProfiles = 22813;
inline constexpr int kCopyToComputer = 22815;
inline constexpr int kCopyToDiskette = 22818;
inline constexpr int kConnect = 22889;
inline constexpr int kDisconnect = 22890;
// The Instrument Manager has no id of its own in the resources; this one is ours.
inline constexpr int kInstrumentManager = 23900;
inline constexpr int kSendCommand = 23901;
inline constexpr int kVirtualRta = 23902;
inline constexpr int kCreate = 23903;
inline constexpr int kDelete = 23904;

inline constexpr int kFileNew = 57600;
inline constexpr int kFileOpen = 57601;
inline constexpr int kFileSave = 57603;
inline constexpr int kPrintSetup = 57606;
inline constexpr int kPrint = 57607;
inline constexpr int kPrintPreview = 57609;
inline constexpr int kEditCopy = 57634;
inline constexpr int kEditCut = 57635;
inline constexpr int kEditPaste = 57637;
inline constexpr int kEditUndo = 57643;
inline constexpr int kWindowSplit = 57653;
inline constexpr int kAbout = 57664;
inline constexpr int kExit = 57665;
inline constexpr int kNextPane = 57680;
inline constexpr int kPreviousPane = 57681;
inline constexpr int kViewToolbar = 59392;
inline constexpr int kViewStatusBar = 59393;

}  // namespace cmd
