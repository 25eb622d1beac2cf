// The program's pictures, drawn rather than loaded: the start-up picture
// (also the About box's background) and the toolbar images.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace artwork {

inline constexpr int kStartupPictureWidth = 398;
inline constexpr int kStartupPictureHeight = 225;
inline constexpr int kToolbarImageWidth = 16;
inline constexpr int kToolbarImageHeight = 15;

QPixmap StartupPicture();
QIcon ToolbarIcon(int commandId);

}  // namespace artwork
