// The main window's saved rectangle ("Window Pos": Left, Top, Right, Bottom).
#pragma once

#include <QRect>

#include "common/SettingsKeys.h"

QRect ReadWindowRect(settings::Store& store);
void WriteWindowRect(settings::Store& store, const QRect& rect);

// Where the window opens: the saved rectangle, or 640 x 480 centred on
// `screen` when it is empty or lies wholly outside the screen.
QRect InitialWindowRect(const QRect& saved, const QRect& screen);
