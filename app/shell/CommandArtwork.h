// The icons of the menus and the toolbar: the desktop theme's standard icon
// where one fits the command, else our own art, drawn for 16 and 24 pixels.
#pragma once

#include <QIcon>

namespace artwork {

inline constexpr int kMenuIconSize = 16;
inline constexpr int kToolbarIconSize = 24;

// The theme's icon of command `id` or our drawing of it; a null icon for a
// command that has neither.
QIcon CommandIcon(int id);
// Our own drawing alone, at 16 and 24 pixels; null where we draw none.
QIcon DrawnCommandIcon(int id);

}  // namespace artwork
