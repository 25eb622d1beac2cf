// How the desktop knows the program: its desktop entry's name and its icon.
#pragma once

#include <QIcon>

inline constexpr char kDesktopFileName[] = "org.verdalon.Verdalon";

// The program's own icon, from the resources, in every size it ships.
QIcon ApplicationIcon();
// Names the desktop entry, so that the desktop matches our windows to it,
// and gives every window the program's icon.
void ApplyDesktopIdentity();
