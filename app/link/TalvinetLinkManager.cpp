// The Instrument Manager's calls of the program's analyzer link.
#include <QFile>
#include <array>

#include "link/LinkActivities.h"
#include "link/TalvinetLink.h"

namespace {

// Room of every text the Instrument Manager reads.
constexpr int kTextRoom = 256;
// A setup name is cut to this many characters by the protocol object.
constexpr int kSetupNameRoom = 256;

using TextBuffer = std::array<char, kTextRoom>;

QString TextOf(TextBuffer& buffer) {
  buffer.back() = '\0';
  return QString::fromLatin1(buffer.data());
}

// Runs `read` into a fresh buffer and hands its text to `text` on success.
template <typename Read>
bool ReadText(QString& text, Read read) {
  TextBuffer buffer{};
  if (read(buffer.data()) == 0) return false;
  text = TextOf(buffer);
  return true;
}

unsigned char IdOf(int id) { return static_cast<unsigned char>(id); }

}  // namespace

QString TalvinetLink::GetSerialNumber() {
  return OnWorker(activities::Identifying(), [&] {
    TextBuffer buffer{};
    m_comm.GetSerialNumber(buffer.data(), kTextRoom);
    return TextOf(buffer);
  });
}

QString TalvinetLink::GetSystemID() {
  return OnWorker(activities::Identifying(), [&] {
    TextBuffer buffer{};
    m_comm.GetSystemID(buffer.data(), kTextRoom);
    return TextOf(buffer);
  });
}

bool TalvinetLink::GetBatteryVoltage(QString& text, int remote) {
  return OnWorker(activities::ReadingStatus(), [&] {
    return ReadText(text, [&](char* buffer) { return m_comm.GetBatteryVoltage(buffer, kTextRoom, remote); });
  });
}

bool TalvinetLink::GetMemoryFree(QString& text, int remote) {
  return OnWorker(activities::ReadingStatus(), [&] {
    return ReadText(text, [&](char* buffer) { return m_comm.GetMemoryFree(buffer, kTextRoom, remote); });
  });
}

bool TalvinetLink::GetMemoryUsed(QString& text, int remote) {
  return OnWorker(activities::ReadingStatus(), [&] {
    return ReadText(text, [&](char* buffer) { return m_comm.GetMemoryUsed(buffer, kTextRoom, remote); });
  });
}

bool TalvinetLink::GetDateAndTime(QString& date, QString& time, int remote) {
  return OnWorker(activities::ReadingStatus(), [&] {
    TextBuffer dateBuffer{};
    TextBuffer timeBuffer{};
    if (m_comm.GetDateAndTime(dateBuffer.data(), kTextRoom, timeBuffer.data(), kTextRoom, remote) == 0) return false;
    date = TextOf(dateBuffer);
    time = TextOf(timeBuffer);
    return true;
  });
}

bool TalvinetLink::SetDateAndTime(const QString& text, int remote) {
  return OnWorker(activities::Setting(),
                  [&] { return m_comm.SetDateAndTime(text.toLatin1().constData(), remote) != 0; });
}

bool TalvinetLink::SetRunState(unsigned short state, int remote) {
  return OnWorker(activities::Setting(), [&] { return m_comm.SetRunState(state, remote) != 0; });
}

bool TalvinetLink::ResetData(unsigned short n, int remote) {
  return OnWorker(activities::Setting(), [&] { return m_comm.ResetData(n, remote) != 0; });
}

bool TalvinetLink::StoreFile(int remote) {
  return OnWorker(activities::Setting(), [&] { return m_comm.StoreFile(remote) != 0; });
}

bool TalvinetLink::GetBeeperSettings(int& bits, int remote) {
  return OnWorker(activities::ReadingStatus(), [&] { return m_comm.GetBeeperSettings(&bits, remote) != 0; });
}

bool TalvinetLink::SetBeeperSettings(int bits, int remote) {
  return OnWorker(activities::Setting(), [&] { return m_comm.SetBeeperSettings(bits, remote) != 0; });
}

bool TalvinetLink::GetNote(QString& text, int remote) {
  return OnWorker(activities::ReadingStatus(), [&] {
    return ReadText(text, [&](char* buffer) { return m_comm.GetNote(buffer, kTextRoom, remote); });
  });
}

bool TalvinetLink::SetNote(const QString& text, int remote) {
  return OnWorker(activities::Setting(), [&] { return m_comm.SetNote(text.toLatin1().constData(), remote) != 0; });
}

bool TalvinetLink::GetSetupInfo(SetupStruct& setups, int remote) {
  return OnWorker(activities::ReadingStatus(), [&] { return m_comm.GetSetupInfo(&setups, remote) != 0; });
}

bool TalvinetLink::RecallSetupConfiguration(int id, int remote) {
  return OnWorker(activities::Setting(), [&] { return m_comm.RecallSetupConfiguration(IdOf(id), remote) != 0; });
}

bool TalvinetLink::StoreSetupConfiguration(int id, int remote) {
  return OnWorker(activities::Setting(),
                  [&] { return m_comm.StoreSetupConfiguration(IdOf(id), nullptr, remote) != 0; });
}

bool TalvinetLink::SetBootConfiguration(int id, int remote) {
  return OnWorker(activities::Setting(), [&] { return m_comm.SetBootConfiguration(IdOf(id), nullptr, remote) != 0; });
}

bool TalvinetLink::SetSetupName(int id, const QString& name, int remote) {
  return OnWorker(activities::Setting(), [&] {
    std::array<char, kSetupNameRoom> buffer{};
    const QByteArray latin = name.toLatin1().left(kSetupNameRoom - 1);
    std::copy(latin.begin(), latin.end(), buffer.begin());
    return m_comm.SetSetupName(IdOf(id), buffer.data(), remote) != 0;
  });
}

talvinet::SetupFileResult TalvinetLink::SaveSetupFile(int id, const QString& path, int remote) {
  return OnWorker(activities::TransferringSetup(), [&] {
    return talvinet::SaveSetupFile(m_comm, IdOf(id), QFile::encodeName(path).toStdString(), remote);
  });
}

talvinet::SetupFileResult TalvinetLink::LoadSetupFile(int id, const QString& path, int remote) {
  return OnWorker(activities::TransferringSetup(), [&] {
    return talvinet::LoadSetupFile(m_comm, IdOf(id), QFile::encodeName(path).toStdString(), remote);
  });
}

bool TalvinetLink::GetMacroInfo(MacroStruct& macros, int remote) {
  return OnWorker(activities::ReadingStatus(), [&] { return m_comm.GetMacroInfo(&macros, remote) != 0; });
}

bool TalvinetLink::ExecuteMacro(int id, int remote) {
  return OnWorker(activities::Setting(), [&] { return m_comm.ExecuteMacro(IdOf(id), remote) != 0; });
}

bool TalvinetLink::AbortMacro(int remote) {
  return OnWorker(activities::Setting(), [&] { return m_comm.AbortMacro(remote) != 0; });
}

bool TalvinetLink::ScheduleMacro(int id, int day, int hour, int minute, int second, int remote) {
  return OnWorker(activities::Setting(), [&] {
    return m_comm.ScheduleMacro(IdOf(id), IdOf(day), IdOf(hour), IdOf(minute), IdOf(second), remote) != 0;
  });
}

bool TalvinetLink::CancelScheduledMacro(int remote) {
  return OnWorker(activities::Setting(), [&] { return m_comm.CancelScheduledMacro(remote) != 0; });
}

int TalvinetLink::GetErrno() {
  return OnWorker(activities::ReadingStatus(), [&] { return m_comm.GetErrno(); });
}

CommandOutcomeStruct TalvinetLink::GetLastCommandOutcome() const {
  return OnWorker(activities::ReadingStatus(), [&] { return m_comm.GetLastCommandOutcome(); });
}
