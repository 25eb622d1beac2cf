#include "HostPort.h"

#include <fcntl.h>
#include <linux/parport.h>
#include <linux/ppdev.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#if defined(__x86_64__) || defined(__i386__)
#include <sys/io.h>
#define LINTARRA_HAS_PORT_INSTRUCTIONS 1
#endif

namespace lintarra {
namespace {

constexpr std::uint8_t kDirectionBit = 0x20;
constexpr std::uint8_t kControlLines = 0x0F;

// A port claimed through /dev/parportN. ppdev keeps the data direction apart
// from the control lines, so the direction bit is split off on write and put
// back on read.
class PpdevPort final : public HostPort {
 public:
  explicit PpdevPort(int fd) : fd_(fd) {
    access_.context = this;
    access_.readData = [](void* self) { return static_cast<PpdevPort*>(self)->Read(PPRDATA); };
    access_.writeData = [](void* self, std::uint8_t value) { static_cast<PpdevPort*>(self)->Write(PPWDATA, value); };
    access_.readStatus = [](void* self) { return static_cast<PpdevPort*>(self)->Read(PPRSTATUS); };
    access_.readControl = [](void* self) {
      auto* port = static_cast<PpdevPort*>(self);
      return static_cast<std::uint8_t>((port->Read(PPRCONTROL) & kControlLines) | (port->input_ ? kDirectionBit : 0));
    };
    access_.writeControl = [](void* self, std::uint8_t value) { static_cast<PpdevPort*>(self)->WriteControl(value); };
  }
  ~PpdevPort() override {
    ioctl(fd_, PPRELEASE);
    close(fd_);
  }
  const PortAccess& Access() const override { return access_; }

 private:
  std::uint8_t Read(unsigned long request) {
    unsigned char value = 0;
    ioctl(fd_, request, &value);
    return value;
  }
  void Write(unsigned long request, std::uint8_t value) {
    unsigned char byte = value;
    ioctl(fd_, request, &byte);
  }
  void WriteControl(std::uint8_t value) {
    const bool input = (value & kDirectionBit) != 0;
    if (input != input_) {
      int reverse = input ? 1 : 0;
      ioctl(fd_, PPDATADIR, &reverse);
      input_ = input;
    }
    Write(PPWCONTROL, value & kControlLines);
  }

  int fd_;
  bool input_ = false;
  PortAccess access_;
};

#ifdef LINTARRA_HAS_PORT_INSTRUCTIONS
class DirectPort final : public HostPort {
 public:
  explicit DirectPort(int baseAddress) : base_(baseAddress) {
    access_.context = this;
    access_.readData = [](void* self) { return inb(static_cast<DirectPort*>(self)->base_); };
    access_.writeData = [](void* self, std::uint8_t value) { outb(value, static_cast<DirectPort*>(self)->base_); };
    access_.readStatus = [](void* self) { return inb(static_cast<DirectPort*>(self)->base_ + 1); };
    access_.readControl = [](void* self) { return inb(static_cast<DirectPort*>(self)->base_ + 2); };
    access_.writeControl = [](void* self, std::uint8_t value) { outb(value, static_cast<DirectPort*>(self)->base_ + 2); };
  }
  ~DirectPort() override { ioperm(static_cast<unsigned long>(base_), 3, 0); }
  const PortAccess& Access() const override { return access_; }

 private:
  int base_;
  PortAccess access_;
};
#endif

// /proc/sys/dev/parport/parportN/base-addr holds "base<TAB>base-hi".
bool BaseAddressMatches(const std::filesystem::path& entry, int baseAddress) {
  std::ifstream file(entry / "base-addr");
  long base = -1;
  return (file >> base) && base == baseAddress;
}

std::string Hex(int value) {
  std::ostringstream text;
  text << "0x" << std::hex << std::uppercase << value;
  return text.str();
}

// `held` tells that another program has the port, which is then not to be
// reached past it.
std::unique_ptr<HostPort> OpenPpdev(int baseAddress, std::string& problem, bool& held) {
  std::error_code error;
  const std::filesystem::path root("/proc/sys/dev/parport");
  for (const auto& entry : std::filesystem::directory_iterator(root, error)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("parport", 0) != 0 || !BaseAddressMatches(entry.path(), baseAddress)) continue;
    const std::string device = "/dev/" + name;
    const int fd = open(device.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
      problem = device + ": " + std::strerror(errno) + " (is the user in the lp group?)";
      return nullptr;
    }
    // PPCLAIM would wait for as long as another opener keeps its claim; the
    // lock, which every opener of ours takes first, turns that into a refusal.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
      held = true;
      problem = device + " is in use by another program";
      close(fd);
      return nullptr;
    }
    if (ioctl(fd, PPCLAIM) != 0) {
      problem = device + ": cannot claim the port: " + std::strerror(errno);
      close(fd);
      return nullptr;
    }
    return std::make_unique<PpdevPort>(fd);
  }
  problem = "no parallel port at " + Hex(baseAddress) + " (no /dev/parportN has this base address; is the parport_pc module loaded?)";
  return nullptr;
}

}  // namespace

std::unique_ptr<HostPort> OpenHostPort(int baseAddress, std::string& problem) {
  problem.clear();
  bool held = false;
  if (auto port = OpenPpdev(baseAddress, problem, held)) return port;
  if (held) return nullptr;
#ifdef LINTARRA_HAS_PORT_INSTRUCTIONS
  if (geteuid() == 0 && baseAddress > 0 && ioperm(static_cast<unsigned long>(baseAddress), 3, 1) == 0) {
    problem.clear();
    return std::make_unique<DirectPort>(baseAddress);
  }
#endif
  return nullptr;
}

const PortAccess& AbsentPortAccess() {
  static const PortAccess absent = [] {
    PortAccess access;
    access.readData = [](void*) -> std::uint8_t { return 0; };
    access.writeData = [](void*, std::uint8_t) {};
    access.readStatus = [](void*) -> std::uint8_t { return 0; };
    access.readControl = [](void*) -> std::uint8_t { return 0; };
    access.writeControl = [](void*, std::uint8_t) {};
    return access;
  }();
  return absent;
}

}  // namespace lintarra
