// The morvane package's Python surface, in its extension morvane._morvane:
// the classes and functions it offers and their argument names. The work is
// done in the files this one includes.
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

#include <filesystem>

#include "Arguments.h"
#include "DataFileObject.h"
#include "PythonErrors.h"
#include "SpectrumValues.h"
#include "morvane/DataProfileText.h"

namespace py = pybind11;
using namespace py::literals;
using morvane_python::DataFileObject;
using morvane_python::RecordInfo;
using morvane_python::SpectrumValues;

PYBIND11_MODULE(_morvane, module) {
  module.doc() = "Records, translations and spectra of binary data files (.vqb), read through Morvane.";
  module.attr("__version__") = Morvane::Version();

  py::class_<RecordInfo>(module, "Record")
      .def_property_readonly("type", [](const RecordInfo& r) { return r.entry.type; })
      .def_property_readonly("number", [](const RecordInfo& r) { return r.entry.number; })
      .def_property_readonly("name", [](const RecordInfo& r) { return morvane_python::Latin1(r.entry.name); })
      .def_property_readonly("size", [](const RecordInfo& r) { return r.size; })
      .def_property_readonly("complete", [](const RecordInfo& r) { return r.complete; })
      .def("__repr__", [](const RecordInfo& r) {
        return py::str("Record(type={}, number={}, name={!r}, size={})")
            .format(r.entry.type, r.entry.number, morvane_python::Latin1(r.entry.name), r.size);
      });

  py::class_<morvane::ProfileText>(module, "Profile")
      .def_readonly("name", &morvane::ProfileText::name)
      .def_property_readonly("words",
                             [](const morvane::ProfileText& p) {
                               py::tuple words(kProfileWords);
                               for (int i = 0; i < kProfileWords; ++i) words[i] = p.tag.word[i];
                               return words;
                             })
      .def("__str__", [](const morvane::ProfileText& p) { return morvane::FormatProfileText(p.name, p.tag); })
      .def("__repr__", [](const morvane::ProfileText& p) {
        return "morvane.profile(" + py::repr(py::str(morvane::FormatProfileText(p.name, p.tag))).cast<std::string>() +
               ")";
      });

  py::class_<SpectrumValues>(module, "Spectrum")
      .def_readonly("labels", &SpectrumValues::labels)
      .def_readonly("frequencies", &SpectrumValues::frequencies)
      .def_readonly("levels", &SpectrumValues::levels);

  py::class_<DataFileObject>(module, "File")
      .def_property_readonly("path", &DataFileObject::Path)
      .def_property_readonly("records", &DataFileObject::Records)
      .def(
          "blocks", [](DataFileObject& f, py::handle record) { return f.Blocks(morvane_python::RecordOf(record)); },
          "record"_a)
      .def(
          "spectrum", [](DataFileObject& f, py::handle record) { return f.Spectrum(morvane_python::RecordOf(record)); },
          "record"_a)
      .def(
          "translate",
          [](const DataFileObject& f, py::handle records, py::handle profile, py::handle blocks) {
            return f.Translate(morvane_python::TranslationRequestOf(records, profile, blocks));
          },
          "records"_a = py::none(), "profile"_a = py::none(), "blocks"_a = py::none())
      .def(
          "translate_to",
          [](const DataFileObject& f, const std::filesystem::path& path, py::handle records, py::handle profile,
             py::handle blocks) {
            f.TranslateTo(path.string(), morvane_python::TranslationRequestOf(records, profile, blocks));
          },
          "path"_a, "records"_a = py::none(), "profile"_a = py::none(), "blocks"_a = py::none())
      .def("close", &DataFileObject::Close)
      .def("__enter__", [](DataFileObject& f) -> DataFileObject& { return f; }, py::return_value_policy::reference)
      .def("__exit__", [](DataFileObject& f, py::args) { f.Close(); });

  module.def(
      "open", [](const std::filesystem::path& path) { return DataFileObject(path.string()); }, "path"_a);
  module.def("profile", &morvane_python::TypedProfile, "text"_a);
  // For the tests: labels of every kind, beyond those of the sample file.
  module.def("_label_frequency", &morvane_python::LabelFrequency, "label"_a);
}
