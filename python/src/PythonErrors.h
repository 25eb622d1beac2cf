// Raising Python exceptions and warnings from the module's C++ code, and text
// of the translator's 8-bit characters as Python strings.
#pragma once

#include <pybind11/pybind11.h>

#include <string>
#include <string_view>
#include <vector>

namespace morvane_python {

// An OSError with the message alone, for failures that carry no errno.
[[noreturn]] void RaiseOSError(const std::string& message);
// An OSError (or its subclass, as FileNotFoundError) for `errorNumber` and `path`.
[[noreturn]] void RaiseErrnoError(int errorNumber, const std::string& path);
// One RuntimeWarning per message; raises when the warnings filter makes them errors.
void Warn(const std::vector<std::string>& messages);

// Every byte as the code point of the same value, so that text.encode("latin-1")
// gives back the translator's bytes exactly.
pybind11::str Latin1(std::string_view bytes);

}  // namespace morvane_python
