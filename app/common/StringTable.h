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

// File operations.
inline constexpr int kDownloadCaption = 116;
inline constexpr int kVqbFilter = 61541;
inline constexpr int kCreateNameTooLong = 61547;
inline constexpr int kCreateFailed = 61548;
inline constexpr int kCreateSucceeded = 61549;
inline constexpr int kDeleteFailed = 61550;
inline constexpr int kConfirmDelete = 61552;
inline constexpr int kCopyFailed = 61558;

// Translation dialog messages (our own ids).
inline constexpr int kSelectRecords = 61720;
inline constexpr int kTranslationFailed = 61721;
inline constexpr int kFormattingData = 61722;
inline constexpr int kFinishedTranslating = 61723;
inline constexpr int kViewerLaunchFailed = 61724;

// Document template string of the single-document template.
inline constexpr int kDocumentTemplate = 120;
// The idle text of the status bar.
inline constexpr int kIdleStatus = 57345;

// Instrument Manager: the status page's texts, then the other pages'
// messages (our own ids, above the analyzer messages).
inline constexpr int kBytesSuffix = 61449;
inline constexpr int kVoltsSuffix = 61450;
inline constexpr int kSynchronizeFailed = 61451;
inline constexpr int kNotAvailable = 61524;
inline constexpr int kSetupsUnreadable = 61800;
inline constexpr int kSetupActivated = 61801;
inline constexpr int kSetupNotActivated = 61802;
inline constexpr int kBootNotSet = 61803;
inline constexpr int kSetupStored = 61804;
inline constexpr int kSetupNotStored = 61805;
inline constexpr int kSetupNotRenamed = 61806;
inline constexpr int kSetupDownloaded = 61807;
inline constexpr int kSetupNotDownloaded = 61808;
inline constexpr int kSetupFileIncompatible = 61809;
inline constexpr int kSetupFileUploaded = 61810;
inline constexpr int kSetupFileNotUploaded = 61811;
inline constexpr int kMacrosUnreadable = 61812;
inline constexpr int kMacroNotExecuted = 61813;
inline constexpr int kMacroNotAborted = 61814;
inline constexpr int kMacroNotScheduled = 61815;
inline constexpr int kMacroScheduleNotCanceled = 61816;
// Confirmations of the commands whose success the analyzer must confirm (our own ids).
inline constexpr int kBootSet = 61817;
inline constexpr int kCopiedToDiskette = 61818;
inline constexpr int kConfirmReset = 61819;

// The text of `id`, or an empty string for an id the table does not hold.
QString LoadString(int id);

// Command prompts: the part before "\n" is the status text, after it the tooltip.
QString StatusPrompt(int commandId);
QString ToolTipPrompt(int commandId);

}  // namespace strings
