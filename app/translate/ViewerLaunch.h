// Opens a translated file for the user to look at.
#pragma once

#include <QString>

// Starts `viewerPath` with `outputPath` as its one argument, or, when
// `viewerPath` is empty, opens the file with the desktop's program for it.
// False when nothing could be started.
bool LaunchViewer(const QString& viewerPath, const QString& outputPath);
