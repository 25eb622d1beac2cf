#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "TalvinetFixture.h"
#include "lintarra/PortAccess.h"
#include "sim/parallel/EmulatedAnalyzerPort.h"

namespace talvinet::testing {
namespace {

using ConnectionTest = ScriptedTalvinetTest;

TEST_F(ConnectionTest, StartsWithNoConnection) {
  EXPECT_EQ(analyzer.IsConnectionOpen(), 0);
  EXPECT_EQ(analyzer.GetBaudRate(), 0);
  EXPECT_EQ(analyzer.GetErrno(), 0);
  EXPECT_EQ(analyzer.modelClass, 255);
  EXPECT_EQ(analyzer.CloseConnection(), 0);
  EXPECT_EQ(analyzer.WakeUp(), 0);
}

TEST_F(ConnectionTest, OpensTheMappedDeviceWithTheLineSettings) {
  ConnectionStruct connection{0, 1, 19200, 7, 2, 'E'};
  ASSERT_EQ(analyzer.OpenConnection(&connection), 1);
  EXPECT_EQ(line.OpenedPaths(), std::vector<std::string>{kDevice});
  EXPECT_EQ(analyzer.IsConnectionOpen(), 1);
  EXPECT_EQ(analyzer.GetBaudRate(), 19200);
  EXPECT_EQ(line.Settings().baudRate, 19200);
  EXPECT_EQ(line.Settings().dataBits, 7);
  EXPECT_EQ(line.Settings().stopBits, 2);
  EXPECT_EQ(line.Settings().parity, 'E');
  EXPECT_FALSE(line.Settings().hardwareHandshake);
}

TEST_F(ConnectionTest, UnmappedPortsOpenTheirTtySDevice) {
  ConnectionStruct connection = SerialConnection(3);
  ASSERT_EQ(analyzer.OpenConnection(&connection), 1);
  EXPECT_EQ(line.OpenedPaths(), std::vector<std::string>{"/dev/ttyS2"});
}

TEST_F(ConnectionTest, RefusedOpensLeaveNoConnection) {
  struct Case {
    const char* name;
    ConnectionStruct connection;
    bool deviceMissing;
    int errorNumber;
    bool deviceTried;
    const char* failure;
  };
  const Case cases[] = {
      {"not serial", {1, 1, 9600, 8, 1, 'N'}, false, 0, false, ""},
      {"port 5", SerialConnection(5), false, kStatusNoConnection, false, "port 5 is not one of the serial ports 1 to 4"},
      {"port 0", SerialConnection(0), false, kStatusNoConnection, false, "port 0 is not one of the serial ports 1 to 4"},
      {"no device", SerialConnection(1), true, kStatusNoConnection, true, "cannot be opened"},
      {"rate refused", SerialConnection(1, 9601), false, kStatusNoConnection, true,
       "the device does not take 9601 baud"},
  };
  for (const Case& c : cases) {
    ManualClock caseClock;
    ScriptedLine caseLine(caseClock);
    caseLine.refuseOpen = c.deviceMissing;
    Talvinet fresh;
    fresh.clock = &caseClock;
    fresh.openChannel = caseLine.Opener();
    ConnectionStruct connection = c.connection;
    EXPECT_EQ(fresh.OpenConnection(&connection), 0) << c.name;
    EXPECT_EQ(fresh.GetErrno(), c.errorNumber) << c.name;
    EXPECT_EQ(fresh.GetOpenFailure(), c.failure) << c.name;
    EXPECT_EQ(fresh.IsConnectionOpen(), 0) << c.name;
    EXPECT_EQ(fresh.SendStr("X"), kStatusNoConnection) << c.name;
    EXPECT_EQ(caseLine.OpenedPaths().empty(), !c.deviceTried) << c.name;
    // Nothing is left behind to block the next attempt.
    caseLine.refuseOpen = false;
    ConnectionStruct good = SerialConnection();
    EXPECT_EQ(fresh.OpenConnection(&good), 1) << c.name;
    EXPECT_EQ(fresh.GetOpenFailure(), "") << c.name;
  }
  EXPECT_EQ(analyzer.OpenConnection(nullptr), 0);
}

// A device file that members of its group may open, owned by a group with a
// name that is not root's.
class GroupDeviceFile {
 public:
  GroupDeviceFile() {
    const int fd = ::mkstemp(path_.data());
    const gid_t group = ::getegid() != 0 ? ::getegid() : kDialoutGroup;
    if (fd >= 0 && ::fchown(fd, static_cast<uid_t>(-1), group) == 0 && ::fchmod(fd, 0660) == 0) group_ = group;
    if (fd >= 0) ::close(fd);
  }
  ~GroupDeviceFile() { ::unlink(path_.c_str()); }
  GroupDeviceFile(const GroupDeviceFile&) = delete;
  GroupDeviceFile& operator=(const GroupDeviceFile&) = delete;

  const std::string& Path() const { return path_; }
  std::string GroupName() const {
    const group* entry = ::getgrgid(group_);
    return entry != nullptr ? entry->gr_name : std::to_string(group_);
  }

 private:
  static constexpr gid_t kDialoutGroup = 20;
  std::string path_ = "/tmp/talvinet-device-XXXXXX";
  gid_t group_ = 0;
};

TEST(ConnectionOpenFailure, SaysWhyTheDeviceCouldNotBeOpened) {
  GroupDeviceFile device;
  const std::string group = device.GroupName();
  const struct {
    int errorNumber;
    std::string failure;
  } cases[] = {
      {ENOENT, "no such device"},
      {ENXIO, "no such device"},
      {EBUSY, "the serial port " + device.Path() + " is in use by another program"},
      {ENOTTY, "not a serial device"},
      {EACCES, "permission denied; add yourself to the group " + group + " (sudo usermod -aG " + group +
                   " $USER) and log in again"},
      {EIO, "Input/output error"},
  };
  for (const auto& c : cases) {
    Talvinet analyzer;
    analyzer.serialDeviceFiles[1] = device.Path();
    analyzer.openChannel = [&c](const std::string&, Clock&) -> std::unique_ptr<ByteChannel> {
      errno = c.errorNumber;
      return nullptr;
    };
    ConnectionStruct connection = SerialConnection();
    EXPECT_EQ(analyzer.OpenConnection(&connection), 0);
    EXPECT_EQ(analyzer.GetErrno(), kStatusNoConnection);
    EXPECT_EQ(analyzer.GetOpenFailure(), c.failure) << c.errorNumber;
    EXPECT_EQ(analyzer.OpenFoundPortInUse(), c.errorNumber == EBUSY) << c.errorNumber;
  }
}

TEST_F(ConnectionTest, ASecondOpenIsRefusedAndTheFirstStays) {
  OpenSerial(19200);
  ConnectionStruct second = SerialConnection(1, 9600);
  EXPECT_EQ(analyzer.OpenConnection(&second), 0);
  EXPECT_EQ(analyzer.IsConnectionOpen(), 1);
  EXPECT_EQ(analyzer.GetBaudRate(), 19200);
  EXPECT_EQ(line.OpenedPaths().size(), 1u);
}

TEST_F(ConnectionTest, CloseEndsASerialConnectionOnce) {
  OpenSerial();
  EXPECT_EQ(analyzer.CloseConnection(), 1);
  EXPECT_EQ(analyzer.IsConnectionOpen(), 0);
  EXPECT_EQ(analyzer.GetBaudRate(), 0);
  EXPECT_EQ(analyzer.CloseConnection(), 0);
  OpenSerial();
}

TEST_F(ConnectionTest, WakeUpSendsTheWakeCommandAndWaitsEightSeconds) {
  OpenSerial();
  line.Answer("\x11", "0\r\n");
  int result = 0;
  EXPECT_GE(MillisecondsTaken([&] { result = analyzer.WakeUp(); }), 8000);
  EXPECT_EQ(result, 1);
  EXPECT_EQ(line.Written(), "DDDDD\r\n;QER\r\n\x11");
}

class ParallelConnectionTest : public ScriptedTalvinetTest {
 protected:
  void SetUp() override { lintarra::InstallPortAccess(&port.Access()); }
  void TearDown() override { lintarra::InstallPortAccess(nullptr); }
  sim::EmulatedAnalyzerPort port;
};

TEST_F(ParallelConnectionTest, ParallelTransportReportsNineteenTwoHundredAndClosesWithOne) {
  analyzer.InitParallelPort(0x278, 0);
  EXPECT_EQ(port.BytesFromHost(), "");
  EXPECT_EQ(analyzer.IsConnectionOpen(), 1);
  EXPECT_EQ(analyzer.GetBaudRate(), 19200);
  EXPECT_EQ(analyzer.CloseConnection(), 1);
  EXPECT_EQ(analyzer.IsConnectionOpen(), 0);
  EXPECT_EQ(analyzer.CloseConnection(), 0);
}

TEST_F(ParallelConnectionTest, ChoosingTheParallelPortOverASerialLinkDoesNotBlockTheNextOpen) {
  OpenSerial();
  analyzer.InitParallelPort(0x378, 0);
  EXPECT_EQ(analyzer.GetBaudRate(), 19200);
  EXPECT_EQ(analyzer.CloseConnection(), 1);
  OpenSerial();
}

}  // namespace
}  // namespace talvinet::testing
