#include "common/StringTable.h"

#include <QHash>

#include "commands/CommandIds.h"

namespace strings {
namespace {

const QHash<int, const char*>& Table() {
  static const QHash<int, const char*> table{
      {kConnectFailed, "An error occured while connecting to the analyzer."},
      {kCloseFailed, "An error occured while closing the connection."},
      {kIdentityFailed,
       "An error occured while determining what type of analyzer is connected to the system.\n"
       "The connection will be closed."},
      {kIncompatibleFirmware,
       "Incompatible Code Version: %s -- Code 5.11 or higher is Required.\n"
       "Verdal will still work, but the results may not be accurate."},
      {kUnsupportedGenericCommand,
       "The following commands aren't supported by the Send Generic Command feature:\n"
       "QBB, QBD, QCD, QCQ, QSB, QQQ[xx]"},
      {kEnterProfileName, "Please enter a profile name."},
      {kProfileNameTooLong,
       "The name you entered is too long.  Please limit you profile name to 12 characters or less."},
      {kProfileNameExists, "A profile with that name already exists.  Please enter a new name."},
      {kSelectProfileName, "Please select a profile name."},
      {kDefaultProfileUndeletable, "The default profile cannot be deleted."},
      {kConfirmProfileDelete, "Are you sure you want to delete this profile?"},
      {kSelectOutputFile, "Please select an output file."},
      {kSelectProfileToExport, "Please select at least one profile to export."},
      {kSelectProfileToImport, "Please select at least one profile to import."},
      {kProfileRenamePrompt, "A profile with this name already exists.\nPlease enter a new name:"},
      {kProfileNameHasComma, "A profile name cannot contain a comma.  Please enter a new name."},
      {kDownloadCaption, "Downloading.  Please wait..."},
      {kVqbFilter, "VQB Binary Files (*.vqb)|*.vqb|All Files (*)|*||"},
      {kCreateNameTooLong, "Please enter a name with fewer than 8 characters."},
      {kCreateFailed,
       "The file couldn't be created.\nCheck that the name is unique and that the analyzer has enough memory."},
      {kCreateSucceeded, "The file was created and selected as the current file."},
      {kDeleteFailed, "The file couldn't be deleted."},
      {kConfirmDelete, "Do you really want to delete ' %s'?"},
      {kCopyFailed, "The file could not be copied."},
      {kSelectRecords, "Please select which records you want translated"},
      {kTranslationFailed, "The translation was not successful."},
      {kFormattingData,
       "The translation is complete.  Please wait while the data is formatted.\nThis could take several minutes."},
      {kFinishedTranslating, "Finished translating."},
      {kViewerLaunchFailed, "Couldn't launch viewer application."},
      {kDocumentTemplate, "Verdalon\n\nVerda\n\n\nVerdalon.Document\nVerda Document"},
      {kIdleStatus, "Ready"},
      {cmd::kTranslate, "Invoke the Vexlor-Quand file translator.\nFile Translator"},
      {cmd::kRecord, "Start a recording of the analyzer output\nRecord"},
      {cmd::kPlayback, "Playback a previously recorded sound\nPlayback"},
      {cmd::kDataProfiles, "Configure the data for translation\nData Profiles"},
      {cmd::kCopyToComputer, "Copy the file to the computer\nCopy to Computer"},
      {cmd::kCopyToDiskette, "Copy this file to the analyzer's floppy diskette\nCopy to Diskette"},
      {cmd::kConnect, "Connect\nConnect"},
      {cmd::kDisconnect, "Disconnect\nDisconnect"},
      {cmd::kSendCommand, "Send command\nSend Command to Instrument"},
      {cmd::kCreate, "Create new file\nCreate File"},
      {cmd::kDelete, "Delete file\nDelete"},
      // Instrument Manager
      {kBytesSuffix, " bytes"},
      {kVoltsSuffix, " volts"},
      {kSynchronizeFailed, "Couldn't synchronize the time."},
      {kNotAvailable, "N/A"},
      {kSetupsUnreadable, "Couldn't read the setup configurations."},
      {kSetupActivated, "The setup was successfully activated."},
      {kSetupNotActivated, "The selected setup configuration couldn't be activated."},
      {kBootNotSet, "Couldn't set the boot configuration."},
      {kSetupStored, "The setup configuration was successfully stored."},
      {kSetupNotStored, "Couldn't store this setup configuration."},
      {kSetupNotRenamed, "Couldn't rename this setup configuration."},
      {kSetupDownloaded, "The setup information was successfully downloaded."},
      {kSetupNotDownloaded, "Couldn't download the setup information to the file."},
      {kSetupFileIncompatible, "The setup file is incompatible with your analyzer."},
      {kSetupFileUploaded, "The setup file was successfully uploaded."},
      {kSetupFileNotUploaded, "Couldn't upload the setup file to the analyzer."},
      {kMacrosUnreadable, "Couldn't get any macro information."},
      {kMacroNotExecuted, "The macro could not be executed."},
      {kMacroNotAborted, "The macro could not be aborted."},
      {kMacroNotScheduled, "The macro couldn't be scheduled."},
      {kMacroScheduleNotCanceled, "The schedule for this macro could not be canceled."},
      {kBootSet, "The boot configuration was successfully set."},
      {kCopiedToDiskette, "The file was successfully copied to the analyzer's diskette."},
      {kConfirmReset, "Reset clears all measured data on the analyzer. Reset it now?"},
  };
  return table;
}

QString PromptPart(int commandId, int part) {
  const QString prompt = LoadString(commandId);
  if (prompt.isEmpty()) return {};
  return prompt.section(QLatin1Char('\n'), part, part);
}

}  // namespace

QString LoadString(int id) {
  const auto found = Table().constFind(id);
  return found == Table().constEnd() ? QString() : QString::fromLatin1(found.value());
}

QString StatusPrompt(int commandId) { return PromptPart(commandId, 0); }
QString ToolTipPrompt(int commandId) { return PromptPart(commandId, 1); }

}  // namespace strings
