// The pictures of the virtual panel's buttons, drawn rather than loaded: the
// key face, up and pressed, and the icons of the tool buttons and arrow keys.
#pragma once

#include <QPixmap>

#include "panel/KeypadLayout.h"

namespace faces {

inline constexpr int kFaceWidth = 46;
inline constexpr int kFaceHeight = 31;

enum class Tool { Update, Capture, Options, Sync };

QPixmap Face(bool pressed);
QPixmap ToolIcon(Tool tool);
// One arrowhead for the unshifted key, two for the shifted one.
QPixmap ArrowIcon(keypad::Arrow arrow, bool shifted);

}  // namespace faces
