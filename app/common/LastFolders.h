// The folders the user last wrote translations and downloads into, so that a
// proposed file name lands there and never in whatever folder the program
// was started from.
#pragma once

#include <QString>

namespace settings {
inline constexpr const char* kFoldersSection = "Folders";
inline constexpr const char* kLastOutputKey = "LastOutput";      // default: none
inline constexpr const char* kLastDownloadKey = "LastDownload";  // default: none
}  // namespace settings

namespace folders {

enum class Use { Output, Download };

// The folder last used for `use` while it still exists; else the user's
// documents folder, else the home folder. Always absolute.
QString LastFolder(Use use);
// Remembers the folder that holds `filePath` for `use`.
void Remember(Use use, const QString& filePath);

// Copy to Computer's proposal for memory file `name`: NAME.vqb, without the
// analyzer's padding, in the folder last used for downloads.
QString ProposedDownloadPath(const QString& name);

}  // namespace folders
