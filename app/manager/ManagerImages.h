// The pictures of the setup and macro states in the Instrument Manager's
// lists, drawn rather than loaded.
#pragma once

#include <QPixmap>

namespace ManagerImage {
inline constexpr int kSetupInUse = 0;
inline constexpr int kSetupUnused = 1;
inline constexpr int kSetupWidth = 12;
inline constexpr int kSetupHeight = 15;

inline constexpr int kMacroIdle = 0;
inline constexpr int kMacroRunning = 1;
inline constexpr int kMacroRecording = 2;
inline constexpr int kMacroSize = 15;

// 12 x 15: a filled card for a setup in use, an empty dashed one for an unused one.
QPixmap SetupImage(int index);
// 15 x 15: a script for an idle macro, a green play sign while it runs, a
// red dot while it is being recorded.
QPixmap MacroImage(int index);
}  // namespace ManagerImage
