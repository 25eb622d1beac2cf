// Serial devices and pseudo-terminals through termios, non-blocking, with
// poll() for every wait.
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

#include "talvinet/ByteChannel.h"

namespace talvinet {
namespace {

struct RateEntry {
  long rate;
  speed_t speed;
};

constexpr RateEntry kRates[] = {
    {50, B50},         {75, B75},         {110, B110},       {134, B134},       {150, B150},
    {200, B200},       {300, B300},       {600, B600},       {1200, B1200},     {1800, B1800},
    {2400, B2400},     {4800, B4800},     {9600, B9600},     {19200, B19200},   {38400, B38400},
    {57600, B57600},   {115200, B115200}, {230400, B230400}, {460800, B460800}, {921600, B921600},
};

bool SpeedFor(long rate, speed_t& speed) {
  for (const RateEntry& entry : kRates) {
    if (entry.rate == rate) {
      speed = entry.speed;
      return true;
    }
  }
  return false;
}

tcflag_t CharacterSize(int dataBits) {
  switch (dataBits) {
    case 5: return CS5;
    case 6: return CS6;
    case 7: return CS7;
    default: return CS8;
  }
}

int OpenDevice(const std::string& path) { return open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC); }

// Closes `fd` and gives no channel, with errno set to `error`.
std::unique_ptr<ByteChannel> Refuse(int fd, int error) {
  close(fd);
  errno = error;
  return nullptr;
}

class TermiosChannel final : public ByteChannel {
 public:
  TermiosChannel(int fd, Clock& clock) : fd_(fd), clock_(clock) {}
  ~TermiosChannel() override {
    // The exclusive flag belongs to the terminal, not to this descriptor, so
    // it would outlive the close while another program holds the device open.
    ioctl(fd_, TIOCNXCL);
    close(fd_);
  }

  bool Configure(const LineSettings& settings) override {
    speed_t speed = B0;
    termios attributes{};
    if (!SpeedFor(settings.baudRate, speed) || tcgetattr(fd_, &attributes) != 0) return false;
    cfmakeraw(&attributes);
    attributes.c_cflag &= ~(CSIZE | CSTOPB | PARENB | PARODD | CMSPAR | CRTSCTS);
    attributes.c_cflag |= CLOCAL | CREAD | CharacterSize(settings.dataBits);
    if (settings.stopBits == 2) attributes.c_cflag |= CSTOPB;
    switch (settings.parity) {
      case 'E': case 'e': attributes.c_cflag |= PARENB; break;
      case 'O': case 'o': attributes.c_cflag |= PARENB | PARODD; break;
      case 'M': case 'm': attributes.c_cflag |= PARENB | CMSPAR | PARODD; break;
      case 'S': case 's': attributes.c_cflag |= PARENB | CMSPAR; break;
      default: break;
    }
    if (settings.hardwareHandshake) attributes.c_cflag |= CRTSCTS;
    attributes.c_cc[VMIN] = 0;
    attributes.c_cc[VTIME] = 0;
    return cfsetispeed(&attributes, speed) == 0 && cfsetospeed(&attributes, speed) == 0 &&
           tcsetattr(fd_, TCSANOW, &attributes) == 0;
  }

  void SetModemLines(bool dtr, bool rts) override {
    int dtrBit = TIOCM_DTR;
    int rtsBit = TIOCM_RTS;
    ioctl(fd_, dtr ? TIOCMBIS : TIOCMBIC, &dtrBit);
    ioctl(fd_, rts ? TIOCMBIS : TIOCMBIC, &rtsBit);
  }

  long Write(const unsigned char* data, std::size_t size, Clock::TimePoint deadline) override {
    std::size_t written = 0;
    while (written < size) {
      const ssize_t n = write(fd_, data + written, size - written);
      if (n > 0) {
        written += static_cast<std::size_t>(n);
        continue;
      }
      if (n < 0 && errno != EAGAIN && errno != EINTR) return -1;
      const int ready = PollFor(POLLOUT, deadline);
      if (ready < 0) return -1;
      if (ready == 0) break;
    }
    return static_cast<long>(written);
  }

  long Read(unsigned char* data, std::size_t room, Clock::TimePoint deadline) override {
    if (room == 0) return 0;
    for (bool polled = false;; polled = true) {
      const ssize_t n = read(fd_, data, room);
      if (n > 0) return static_cast<long>(n);
      // A raw terminal reads 0 bytes when none wait; EIO means the other end has gone.
      if (n < 0 && errno != EAGAIN && errno != EINTR) return -1;
      if (polled && clock_.Now() >= deadline) return 0;
      const int ready = PollFor(POLLIN, deadline);
      if (ready <= 0) return ready;
    }
  }

  std::size_t PendingOutput() override {
    int pending = 0;
    return ioctl(fd_, TIOCOUTQ, &pending) == 0 && pending > 0 ? static_cast<std::size_t>(pending) : 0;
  }

  void DiscardInput() override { tcflush(fd_, TCIFLUSH); }

 private:
  // 1 when `events` are ready, 0 at the deadline, -1 when the line failed.
  int PollFor(short events, Clock::TimePoint deadline) {
    for (;;) {
      const auto remaining = std::chrono::ceil<std::chrono::milliseconds>(deadline - clock_.Now());
      pollfd entry{fd_, events, 0};
      const int result = poll(&entry, 1, remaining.count() > 0 ? static_cast<int>(remaining.count()) : 0);
      if (result < 0 && errno == EINTR) continue;
      if (result < 0) return -1;
      if (result == 0) return 0;
      // Polled only after an empty read or a full write: a hang-up now means
      // nothing more will come.
      if ((entry.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) return -1;
      if ((entry.revents & events) != 0) return 1;
    }
  }

  int fd_;
  Clock& clock_;
};

}  // namespace

bool IsSupportedBaudRate(long rate) {
  speed_t speed = B0;
  return SpeedFor(rate, speed);
}

std::unique_ptr<ByteChannel> OpenTermiosChannel(const std::string& path, Clock& clock) {
  const int fd = OpenDevice(path);
  if (fd < 0) return nullptr;
  if (!isatty(fd)) return Refuse(fd, ENOTTY);
  // One program per port: the advisory lock is the one the common serial
  // programs take and respect; TIOCEXCL makes the kernel refuse every further
  // open (with EBUSY) to programs that take no lock, though not to root, who
  // may always open. The lock ends with the descriptor, even when the process
  // dies; the exclusive flag is cleared on close and with the device's last
  // close.
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) return Refuse(fd, errno == EWOULDBLOCK ? EBUSY : errno);
  ioctl(fd, TIOCEXCL);
  return std::make_unique<TermiosChannel>(fd, clock);
}

bool IsDeviceClaimed(const std::string& path) {
  const int fd = OpenDevice(path);
  if (fd < 0) return errno == EBUSY;
  const bool claimed = flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
  close(fd);  // drops the probe's own lock, if it got one
  return claimed;
}

}  // namespace talvinet
