// The program's string table: every message and prompt text, addressed by id.
#pragma once

#include <QString>

namespace strings {

// Messages the analyzer commands show.
inline constexpr int kConnectFailed = 61447;
inline constexpr int kCloseFailed = 61448;
inline constexpr int kIdentityFailed = 61497;
inline constexpr int kIncompatibleFirmware = 61510;
inline constexpr int kUnsupportedGenericCommand = 61519;

// Data-profile editor messages (our own ids, above the analyzer messages).
inline constexpr int kEnterProfileName = 61700;
inline constexpr int kProfileNameTooLong = 61701;
inline constexpr int kProfileNameExists = 61702;
inline constexpr int kSelectProfileName = 61703;
inline constexpr int kDefaultProfileUndeletable = 61704;
inline constexpr int kConfirmProfileDelete = 61705;
inline constexpr int kSelectOutputFile = 61706;
inline constexpr int kSelectProfileToExport = 61707;
inline constexpr int kSelectProfileToImport = 61708;
inline constexpr int kProfileRenamePrompt = 61709;
// A comma would end the name in the profile's stored text and shift its option words.
inline constexpr int kProfileNameHasComma = 61710;

// Document template string of the single-document template.
inline constexpr int kDocumentTemplate = 120;
// The idle text of the status bar.
inline constexpr int kIdleStatus = 57345;

// The text of `id`, or an empty string for an id the table does not hold.
QString LoadString(int id);

// Command prompts: the part before "\n" is the status text, after it the tooltip.
QString StatusPrompt(int commandId);
QString ToolTipPrompt(int commandId);

}  // namespace strings
