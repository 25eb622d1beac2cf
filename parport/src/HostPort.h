// The host's own parallel port: the kernel's ppdev device whose base address
// matches, or direct port instructions when running as root on x86.
#pragma once

#include <memory>
#include <string>

#include "lintarra/PortAccess.h"

namespace lintarra {

class HostPort {
 public:
  virtual ~HostPort() = default;
  virtual const PortAccess& Access() const = 0;
};

// The port at `baseAddress`, or nullptr with the reason in `problem`.
std::unique_ptr<HostPort> OpenHostPort(int baseAddress, std::string& problem);

// Primitives of a port that is not there: the status lines never signal, so
// every wait times out.
const PortAccess& AbsentPortAccess();

}  // namespace lintarra
