// The start-up picture, drawn rather than loaded; it is also the About box's
// background. The command icons are in CommandArtwork.h.
#pragma once

#include <QPixmap>

namespace artwork {

inline constexpr int kStartupPictureWidth = 398;
inline constexpr int kStartupPictureHeight = 225;

QPixmap StartupPicture();

}  // namespace artwork
