#include "PythonErrors.h"

#include <cerrno>

namespace py = pybind11;

namespace morvane_python {

void RaiseOSError(const std::string& message) {
  PyErr_SetString(PyExc_OSError, message.c_str());
  throw py::error_already_set();
}

void RaiseErrnoError(int errorNumber, const std::string& path) {
  errno = errorNumber;
  PyErr_SetFromErrnoWithFilename(PyExc_OSError, path.c_str());
  throw py::error_already_set();
}

void Warn(const std::vector<std::string>& messages) {
  for (const std::string& message : messages) {
    if (PyErr_WarnEx(PyExc_RuntimeWarning, message.c_str(), 1) != 0) throw py::error_already_set();
  }
}

py::str Latin1(std::string_view bytes) {
  PyObject* text = PyUnicode_DecodeLatin1(bytes.data(), static_cast<Py_ssize_t>(bytes.size()), nullptr);
  if (text == nullptr) throw py::error_already_set();
  return py::reinterpret_steal<py::str>(text);
}

}  // namespace morvane_python
