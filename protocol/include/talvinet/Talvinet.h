// Talvinet: the one class through which the program talks to the analyzer,
// over a serial line or a PC parallel port.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "lintarra/Lintarra.h"
#include "talvinet/ByteChannel.h"
#include "talvinet/Clock.h"

namespace talvinet {

// Transport status numbers, kept in the object for GetErrno().
constexpr int kStatusOk = 0;
constexpr int kStatusNoConnection = -1;
constexpr int kStatusTimedOut = -10;
constexpr int kStatusWriteFailed = -19;
constexpr int kStatusParallelFailed = -61;

enum TransportMode : std::int32_t { kNoTransport = 0, kSerialTransport = 1, kParallelTransport = 2 };

// The message that carries a non-zero analyzer error code after a command:
// first parameter the code, second 0.
constexpr unsigned int kErrorCodeMessage = 0x401;

// Stands in for a window that receives messages synchronously; its answer is
// the window's reply.
using MessageHandler = std::function<long(unsigned int message, long firstParameter, long secondParameter)>;

// Longest command or query text after framing, NUL included.
constexpr int kMaxCommandSize = 256;

// The analyzer's screen: 480 x 128 pixels in 16 bands of 8 rows. The screen
// buffer holds column k of band b at byte b * 480 + k, bit 7 the band's top
// row. The bitmap image holds 128 rows of 60 bytes, top row first, bit 7 the
// leftmost pixel, a 1 for every unlit pixel.
constexpr int kScreenWidth = 480;
constexpr int kScreenHeight = 128;
constexpr int kScreenBands = 16;
constexpr int kScreenBufferSize = kScreenWidth * kScreenBands;
constexpr int kBitmapRowBytes = kScreenWidth / 8;
constexpr int kBitmapImageSize = kBitmapRowBytes * kScreenHeight;

// Capture kinds of GetDisplayData: the whole screen, or what changed since
// the analyzer's previous capture.
constexpr unsigned short kFullCapture = 1;
constexpr unsigned short kChangesCapture = 2;

// Key numbers run from 0 to kKeyCount - 1; a name needs kKeyNameRoom bytes.
constexpr int kKeyCount = 128;
constexpr int kKeyNameRoom = 8;
// Refusals of the macro checks, kept in the object for GetErrno().
constexpr int kRefusedMacroId = 201;         // the macro number is not below 10
constexpr int kRefusedMacroRunning = 202;    // another macro is running
constexpr int kRefusedMacroRecording = 203;  // a macro is being recorded

constexpr int kMacroCount = 10;
constexpr int kSetupCount = 8;
// "No macro" in the running, recording and scheduled fields of MacroStruct,
// and the IsMacroRunning argument that asks about any macro.
constexpr std::uint8_t kNoMacro = 255;

// Arguments of SetRunState.
constexpr unsigned short kRunStateRun = 1;
constexpr unsigned short kRunStateStop = 2;
constexpr unsigned short kRunStateToggle = 7;
// Results of GetRunState; 0 when the analyzer did not answer.
constexpr unsigned short kRunning = 1;
constexpr unsigned short kStopped = 2;

// Which cursors SetCursorPositions moves.
constexpr unsigned short kFirstCursor = 1;
constexpr unsigned short kSecondCursor = 2;
constexpr unsigned short kBothCursors = 3;

}  // namespace talvinet

struct ConnectionStruct {
  std::int32_t type;  // 0 = serial; any other value opens nothing
  std::int32_t port;  // 1 to 4
  std::int32_t baudRate;
  std::int32_t dataBits;
  std::int32_t stopBits;
  char parity;
};

// The analyzer's answer to "QHS": ten lines, each cut to its field.
struct HardwareSetupStruct {
  char setupCount[7];
  char systemId[9];
  char line3[7];
  char firmwareVersion[6];
  char line5[7];
  char line6[7];
  char line7[7];
  char line8[7];
  char options[25];
  char serialNumber[14];
};

// One entry of the analyzer's file listing.
struct FileStruct {
  char name[9];           // listing columns 0-7
  char column10Text[9];   // columns 10-17
  char column20Text[9];   // columns 20-27
  std::int32_t column30Value;  // decimal value from column 30
};

// One entry of the current file's record listing.
struct RecordStruct {
  std::uint8_t type;     // record type code, listing column 0
  std::int32_t number;   // number among records of its type, column 8
  std::int32_t size;     // bytes; filled by CopyFileToHardDrive
  std::uint16_t units;   // 256-byte units; filled by CopyFileToHardDrive
  char name[12];         // columns 16-26: record type name
  char info[65];         // from column 28
};

// The analyzer's key names by key number: up to 7 characters each, empty
// for keys it does not define.
struct KeyboardStruct {
  char keyName[128][8];
};

// The analyzer's macros, as its macro query tells them.
struct MacroStruct {
  std::uint8_t macroState[10];  // 0 = no macro defined under that number
  std::uint8_t running;         // the macro running, kNoMacro for none
  std::uint8_t recording;       // the macro being recorded, kNoMacro for none
  std::uint8_t scheduledMacro;  // kNoMacro when nothing is scheduled
  std::uint8_t schedule[4];     // day of the month, hour, minute, second
};

// The eight stored setups.
struct SetupStruct {
  char setupName[8][8];  // up to 7 characters each, padded as the analyzer sends them
  std::int32_t setupUsed[8];
  std::int32_t setupBoot[8];  // non-zero marks the boot setup
};

struct DetectorStruct {
  std::uint16_t detector;
  float timeConstant;
};

struct FilterStruct {
  std::uint16_t filter;
};

struct FrequencyRangeStruct {
  char lowText[16];
  char highText[16];
  std::uint16_t rangeValue[3];
};

struct MuxStruct {
  std::int32_t muxState;
  std::uint16_t muxValue[6];
};

// The download progress message: first parameter the bytes received so far,
// second the total; a non-zero answer stops the record in progress.
constexpr unsigned int WM_DOWNLOAD_PROGRESS = 0x400 + 0x80;

namespace talvinet {

// The step at which a copy to the computer gave up.
enum DownloadStep : std::int32_t {
  kDownloadNotFailed = 0,
  kDownloadNoSuchFile = 1,       // the analyzer would not select the memory file
  kDownloadNoRecords = 2,        // the file holds no records
  kDownloadNoRecordList = 3,     // the record count or listing did not come
  kDownloadNoRecordSize = 4,     // record recordIndex's size did not come, or cannot be stored
  kDownloadRecordIncomplete = 5, // record recordIndex did not arrive whole
  kDownloadCancelled = 6,        // the progress window asked to stop during record recordIndex
  kDownloadDestination = 7,      // the destination cannot be written; systemError says why
};

}  // namespace talvinet

// What stopped the last CopyFileToHardDrive or CopyRecordToHardDrive; read it
// after one returned 0.
struct DownloadFailureStruct {
  std::int32_t step;                 // talvinet::DownloadStep
  std::int32_t recordIndex;          // 0-based position in the record list, -1 for none;
                                     // during a download, the record being read
  std::int32_t recordCount;          // records in the file, 0 until listed
  std::int32_t recordSize;           // bytes of that record
  std::int32_t receivedBytes;        // of them received
  std::int32_t elapsedMilliseconds;  // spent on that record's data
  std::int32_t systemError;          // errno of a destination failure
};

// What the serial line has done since the connection opened; a host tells
// from the change over one call whether the analyzer answered, stayed silent
// or went away.
struct LineReportStruct {
  std::uint32_t bytesHeard;   // bytes the analyzer sent
  std::uint32_t silentReads;  // reads that waited out their time-out and heard nothing
  std::int32_t lineGone;      // 1 once the device refused a read or a write: hung up or gone
  std::uint32_t heardAtLastSilence;  // bytesHeard when the last silent read ended
};

// The error-code line that follows the last command.
struct CommandOutcomeStruct {
  std::int32_t codeLineCame;  // 1 when the line came
  std::int32_t code;          // the analyzer's error code; 0 for none
};

struct SerialLink;
namespace talvinet {
class WholeFileWriter;
}

class Talvinet {
 public:
  Talvinet();
  ~Talvinet();
  Talvinet(const Talvinet&) = delete;
  Talvinet& operator=(const Talvinet&) = delete;

  // --- Connection and transport ---
  int OpenConnection(ConnectionStruct* c);
  void InitParallelPort(int address, int useDriver) {
    Init(address, useDriver);
    transport = talvinet::kParallelTransport;
  }
  int CloseConnection();
  int WakeUp();
  int IsConnectionOpen();
  long GetBaudRate();
  int GetErrno();
  // Why the last OpenConnection could not open its serial port, in words to
  // follow the device's name: "no such device", "permission denied; add
  // yourself to the group ..."; empty when it opened or no port was tried.
  // A port another program holds gives a sentence of its own, "the serial
  // port DEVICE is in use by another program", and OpenFoundPortInUse.
  const std::string& GetOpenFailure() const;
  // All zero without an open serial link.
  LineReportStruct GetLineReport() const;
  // A command succeeds once it is sent; this tells whether the analyzer confirmed it.
  const CommandOutcomeStruct& GetLastCommandOutcome() const { return lastCommandOutcome; }
  bool OpenFoundPortInUse() const;

  int SendStr(const char* text);
  int SendChr(char c);
  int ReadStr(char* buffer, int* count, int max);  // buffer holds max + 1 bytes
  int ReadBuf(unsigned char* buffer, int* count, int length);
  char ReadChr(int* error);
  void Wait(int milliseconds);

  // --- Command and query exchange ---
  int SendRTACommandString(const char* text);
  int SendRTAQueryString(const char* text);
  int SendRTACommandStringWithDelay(const char* text);
  int SendRTAControlCode(unsigned short code);
  int SetRemoteMode();
  int SetLocalMode();
  int SendGenericCommand(const char* text, char* result, int length, int remote);
  int GetErrorCode(int* code, int remote);

  // --- Instrument identity ---
  int GetHardwareSetup(HardwareSetupStruct* setup, int remote);
  int InitHardwareInfo(int remote);
  int IsAlder();  // also true for a Cedar
  int IsBirch();  // also true for a Cedar
  int IsCedar();
  int IsDeodar();
  int IsOption30();
  int IsOption474849();
  int IsOption112();
  int IsOption113();
  int HasTach();
  // Copies from the cached setup, never more than room - 1 characters.
  void GetSerialNumber(char* text, int room);
  void GetSystemID(char* text, int room);
  void GetFirmwareVersion(char* text, int room);

  // --- Files and records ---
  // A count leaves its listing waiting: call GetFiles or GetRecords with it
  // before sending anything else.
  int GetMemoryFileCount(int* count, int remote);
  int GetDiskFileCount(int* count, int remote);
  int GetFiles(FileStruct* files, int count);
  int GetRecordCount(int* count, int remote);
  int GetRecords(RecordStruct* records, int count);
  int GetCurrentFile(char* name, int room, int remote);
  int SetCurrentFile(const char* name, int remote);
  int CreateMemoryFile(const char* name, int remote);
  int DeleteMemoryFile(const char* name, int remote);
  int StoreFile(int remote);
  int DiskOpen(int remote);  // the analyzer's disk status value, 0 on failure
  int DiskClose(int remote);
  int SaveToDisk(int remote);
  int RecallFromDisk(const char* name, int remote);
  int DeleteDiskFile(const char* name, int remote);
  int DeleteRecord(int type, int number, int remote);
  int GetRecordSize(unsigned char type, int number, int* size, int remote);
  // Over a serial line `progressWindow` hears `progressMessage` after every
  // poll with the bytes received and expected; a non-zero answer stops.
  int GetRecordData(unsigned char type, int number, int size, unsigned char* data, int remote,
                    const talvinet::MessageHandler& progressWindow = {}, int progressMessage = 0);
  // Both write the binary data file whole or not at all: a failed or
  // cancelled download leaves any file already at `path` as it was.
  int CopyRecordToHardDrive(const char* fileName, const char* path, int remote, int type, int number);
  int CopyFileToHardDrive(const char* fileName, const char* path, int remote,
                          const talvinet::MessageHandler& progressWindow, int progressMessage);
  const DownloadFailureStruct& GetDownloadFailure() const { return downloadFailure; }
  int GetBinaryDump(char* buffer, int length, int remote);
  int GetBinaryBufferedDump(char* buffer, int length, int remote);

  // --- Display capture and key emulation ---
  // Decodes a capture into `screen` (kScreenBufferSize bytes, kept by the
  // caller between captures); kind 1 is a full capture, any other kind the
  // changes since the previous one. 1 when the query was sent.
  int GetDisplayData(unsigned short kind, unsigned char* screen, int reserved, int remote);
  // 1 when the last capture's stream came to its end; a failed read leaves
  // the screen partly updated and this 0, while GetDisplayData still says 1.
  int LastCaptureComplete() const { return captureComplete ? 1 : 0; }
  // Converts a screen buffer into a bitmap image (kBitmapImageSize bytes).
  static void CreateBitmapFromData(unsigned char* bitmap, const unsigned char* screen);
  int EmulateKeystroke(int key, int remote);
  int EmulateKeystroke(const char* name, int remote);
  // `room` must be at least kKeyNameRoom.
  int GetKeyName(int key, char* name, int room, int remote);
  int GetKeyNumber(const char* name, int* key, int remote);
  int GetDefinedKeys(KeyboardStruct* keys, int remote);
  // --- Run state, notes, beeper, clock, memory and battery ---
  // 1 runs, 2 stops, 7 toggles; any other state sends nothing and fails.
  int SetRunState(unsigned short state, int remote);
  unsigned short GetRunState(int remote);  // kRunning, kStopped, or 0 without a reply
  int ResetData(unsigned short n, int remote);  // 0 resets everything
  int ManualTrigger(int remote);
  int PowerOff(int remote);
  int GetNote(char* text, int room, int remote);
  // Succeeds only when the note read back is `text` exactly; a note of more
  // than 64 characters is sent cut and therefore fails.
  int SetNote(const char* text, int remote);
  int GetBeeperSettings(int* bits, int remote);
  int SetBeeperSettings(int bits, int remote);
  int GetDateAndTime(char* date, int dateRoom, char* time, int timeRoom, int remote);
  int SetDateAndTime(const char* text, int remote);  // "dd/mm/yy HH:MM:SS"
  int GetMemoryFree(char* text, int room, int remote);
  int GetMemoryUsed(char* text, int room, int remote);
  int GetBatteryVoltage(char* text, int room, int remote);  // 0 on a Deodar, which is not asked

  // --- Measurement settings ---
  int GetDetectorInfo(DetectorStruct* detector, int remote);
  int SetDetectorInfo(const DetectorStruct* detector, int remote);
  int GetFilter(FilterStruct* filter, int remote);
  int SetFilter(const FilterStruct* filter, int remote);
  int GetDisplayedFrequencyRange(FrequencyRangeStruct* range, int remote);
  int GetFrequencyLevel(int a, int b, char* text, int room, int remote);
  int GetFrequencyLevelRange(int a, int b, int c, char* text, int room, int remote);
  int GetSummationLevel(int n, char* first, int firstRoom, char* second, int secondRoom, int remote);
  // a or b of -1 asks for summation n alone.
  int GetSummationLevel(int n, double* first, double* second, int a, int b, int remote);
  int GetSLMLevel(int n, double* level, int remote);
  int GetPhon(int n, float* phon, int remote);
  int SetCalibrationLevel(float level, int remote);
  int SetDBMVCalibrationLevel(float level, int remote);
  int SetInputMode(int a, int b, int remote);  // b of -1 sends a alone
  int EnableAutoranging(int on, int remote);
  int GetRangeScaleLimit(int* limit, int remote);
  int SetZoom(int a, int b, int remote);
  int GetMeasurementUnits(int* units, int remote);
  int SetMeasurementUnits(int units, int remote);
  int GetInputRange(int* range, int remote);
  int SetInputRange(int range, int remote);
  int SetTopOfInputRange(int top, int remote);
  int GetCursorPositions(unsigned short n, int* first, int* second, int remote);
  // `which` is kFirstCursor, kSecondCursor or kBothCursors; 0 moves none and succeeds.
  int SetCursorPositions(int first, int second, unsigned short which, int remote);
  int SetChannel(int channel, int remote);  // channels count from 1
  // A Deodar answers two values, the second one first.
  int GetAnalysisMode(int* mode, int* second, int remote);
  int SetAnalysisMode(int mode, int second, int remote);
  int GetMuxState(MuxStruct* mux, int remote);
  int SetMuxState(const MuxStruct* mux, int remote);
  int SetAutostoreState(int on, int remote);
  int SetSLMGraphDisplay(int on, int remote);

  // --- Macros ---
  int GetMacroInfo(MacroStruct* macro, int remote);
  // Refused with 201, 202 or 203 in GetErrno() by the checks below.
  int ExecuteMacro(unsigned char id, int remote);
  int AbortMacro(int remote);  // succeeds when no macro runs afterwards
  int ScheduleMacro(unsigned char id, unsigned char day, unsigned char hour, unsigned char minute,
                    unsigned char second, int remote);
  int CancelScheduledMacro(int remote);
  int IsMacroIDValid(unsigned char id);
  int IsMacroRunning(unsigned char id, int remote);  // kNoMacro asks about any macro
  int IsSafeToExecuteMacro(const MacroStruct* macro);

  // --- Stored setups ---
  int GetSetupInfo(SetupStruct* setups, int remote);
  int RecallSetupConfiguration(unsigned char id, int remote);
  // Both cut a name of more than 7 characters in the caller's own buffer.
  int StoreSetupConfiguration(unsigned char id, char* name, int remote);
  int SetBootConfiguration(unsigned char id, char* name, int remote);
  // Names setup `id` through the boot command, then makes the old boot
  // setup the boot setup again.
  int SetSetupName(unsigned char id, char* name, int remote);
  // `data` has room for `length` bytes; succeeds when exactly `length` came.
  int GetSetupBytes(unsigned char id, char* data, int length, int remote);
  // Succeeds only when every byte was sent.
  int SetSetupBytes(unsigned char id, const char* data, int length, int remote);

  // --- Host settings ---
  // Receives each non-zero analyzer error code as kErrorCodeMessage while
  // notifyEnabled is non-zero. The library never sets either.
  talvinet::MessageHandler notifyWindow;
  std::int32_t notifyEnabled = 0;
  // Device files for serial ports: port n opens /dev/ttyS<n-1> unless mapped
  // here (USB adapters, pseudo-terminals).
  std::map<int, std::string> serialDeviceFiles;
  // Time source of every delay and time-out, and the way device files are
  // opened; tests substitute both.
  talvinet::Clock* clock;
  talvinet::ChannelOpener openChannel;

 protected:
  unsigned short GetDelayTime(const char* text, unsigned short modelClassForDelay);
  unsigned short GetLinesInResult(const char* text);
  void SanitizeResultString(char* text, int length);

  // Decode a capture's reply straight from the line into `screen`, writing
  // nothing past its kScreenBufferSize bytes.
  void DecodeDeltaData(unsigned char* screen);
  void DecodeStandardData(unsigned char* screen);

  HardwareSetupStruct hardwareSetup;
  std::int32_t connectionType = 0;
  std::int32_t errorNumber = 0;
  std::uint16_t modelClass = 255;

  // Two bytes, low byte first; the count written, 0 for no file.
  unsigned long WriteWord(std::FILE* file, unsigned short value);
  // The four-digit number in a binary data file's header.
  int ModelNumber();
  // Record data received since CopyFileToHardDrive began, and the sum of
  // the sizes it is copying.
  std::uint32_t bytesReceived = 0;
  std::uint32_t bytesExpected = 0;

 private:
  bool HasConnection() const;
  bool OnOpenSerialLink() const;
  // Drops unread input and unsent output on the serial line.
  void DiscardSerialData();
  std::string SerialDeviceFile(int port) const;
  void ReadGenericReply(const char* text, char* result, int length);
  // Reads a count line; false unless it holds a count a listing can have.
  bool ReadListingCount(int* count);
  // Reads one listing line into `line` (room + 1 bytes); false when none came.
  bool ReadListingLine(char* line, int room);
  int SerialBytesPerSecond();
  int ReadRecordDataSerial(unsigned char* data, int size, const talvinet::MessageHandler& progressWindow,
                           int progressMessage);
  bool WriteDataFileStart(talvinet::WholeFileWriter& writer, std::uint16_t recordCount);
  bool WriteDirectoryEntry(talvinet::WholeFileWriter& writer, std::uint8_t type, std::uint16_t units);
  int DownloadFailed(talvinet::DownloadStep step, int recordIndex);
  int DestinationFailed(const talvinet::WholeFileWriter& writer);
  bool DownloadRecordData(const RecordStruct& record, int index, unsigned char* area,
                          const talvinet::MessageHandler& progressWindow, int progressMessage);
  int RunOnDiskette(const std::string& command, int remote);
  int ReadBinaryDump(const char* query, char* buffer, int length);
  bool OptionPresent(int position) const;
  // One query and its first reply line (room `room`, at most 256); false
  // when nothing came. `line` holds room + 1 bytes.
  bool QueryLine(const char* query, char* line, int room);
  // A formatted command sent through SendRTACommandString.
  int SendFormattedCommand(int remote, const char* format, ...) __attribute__((format(printf, 3, 4)));
  // The first reply line copied into `text` (room bytes) and cleaned.
  int QueryCleanText(const char* query, char* text, int room, int remote);
  int QueryNumber(const char* query, int* value, int remote);
  int QueryFraction(const char* query, double* value, int remote);
  int SendSetupCommand(const char* mnemonic, unsigned char id, char* name, int remote);

  std::unique_ptr<SerialLink> link;
  std::int32_t transport = talvinet::kNoTransport;
  std::string openFailure;
  bool openFoundPortInUse = false;
  DownloadFailureStruct downloadFailure{};
  CommandOutcomeStruct lastCommandOutcome{};
  bool captureComplete = false;
};
