// The settings store: sections, keys and their defaults.
#pragma once

#include <QSettings>
#include <QString>

namespace settings {

inline constexpr const char* kOrganisation = "Local AppWizard-Generated Applications";
inline constexpr const char* kApplication = "Verdalon";

struct IntKey {
  const char* section;
  const char* key;
  int fallback;
};

inline constexpr IntKey kInstrument{"Connection", "Instrument", 2};
inline constexpr IntKey kComPort{"Connection", "ComPort", 1};
inline constexpr IntKey kBaudRate{"Connection", "BaudRate", 19200};
inline constexpr IntKey kParallelPortAddress{"Connection", "ParallelPortAddress", 888};
// On Linux each COM port is a device file; "Com%dDevice" keeps the file chosen for port %d.
inline constexpr const char* kComDeviceKeyFormat = "Com%1Device";
inline constexpr const char* kComDeviceDefaultFormat = "/dev/ttyS%1";  // %1 = port - 1

inline constexpr IntKey kWindowLeft{"Window Pos", "Left", 0};
inline constexpr IntKey kWindowTop{"Window Pos", "Top", 0};
inline constexpr IntKey kWindowRight{"Window Pos", "Right", 0};
inline constexpr IntKey kWindowBottom{"Window Pos", "Bottom", 0};

inline constexpr IntKey kCurrentProfile{"Data Profiles", "CurrentProfile", 1};
inline constexpr IntKey kNumProfiles{"Data Profiles", "NumProfiles", 0};
inline constexpr const char* kProfileSection = "Data Profiles";
inline constexpr const char* kProfileKeyFormat = "Profile%1";
inline constexpr const char* kMissingProfileText = "Unknown,3,1,1,1,1,1,1,1,1,1,1,1";

// The program's settings store.
class Store {
 public:
  Store() : store(QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication)) {}

  // The stored integer, or the key's default when it is missing or not a number.
  int Read(const IntKey& key);
  void Write(const IntKey& key, int value);
  QString ReadText(const char* section, const QString& key, const QString& fallback);
  void WriteText(const char* section, const QString& key, const QString& value);
  void Remove(const char* section, const QString& key);

 private:
  static QString Path(const char* section, const QString& key);
  QSettings store;
};

}  // namespace settings
