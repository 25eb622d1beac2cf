#include "simanalyzer/SimOptions.h"

#include <charconv>
#include <filesystem>
#include <functional>
#include <map>

#include "simanalyzer/DemoRecords.h"
#include "simanalyzer/VqbFiles.h"

namespace simanalyzer {

const char* const kSimUsage =
    "usage: verda-sim [options]\n"
    "Serves a virtual analyzer on a pseudo-terminal and prints the terminal's\n"
    "device path on the first line.\n"
    "\n"
    "  --model NAME              Alder, Birch, Cedar (default) or Deodar\n"
    "  --baud N                  pace replies as a serial line of N baud (default\n"
    "                            19200); 0 sends them at once\n"
    "  --speed FACTOR            run the paced line FACTOR times faster\n"
    "  --load FILE.vqb[=NAME]    add a memory file holding the file's records\n"
    "                            (repeatable; without it the demo files are loaded)\n"
    "  --no-diskette             no diskette in the drive\n"
    "  --battery VOLTS           the battery reading, such as 6.5 (default 7.20)\n"
    "  --recording-macro N       macro N (0 to 9) is being recorded\n"
    "\n"
    "Misbehaviour on demand:\n"
    "  --fail MNEMONIC=CODE      the command does nothing and reports CODE\n"
    "  --silent-after N          say nothing after N more reply bytes\n"
    "  --drop-line MNEMONIC=I    leave out line I (0-based) of that reply\n"
    "  --short-record N          record data replies leave off N bytes\n"
    "  --non-numeric-size        record size replies hold no number\n"
    "  --missing-listing-lines N listings send N lines fewer than announced\n"
    "  --help                    show this text\n"
    "  --version                 print the version\n";

namespace {

std::optional<long long> WholeNumber(const std::string& text) {
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty() || value < 0) return std::nullopt;
  return value;
}

std::optional<double> Factor(const std::string& text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !(value > 0)) return std::nullopt;
  return value;
}

// "KEY=VALUE" with a whole-number value.
std::optional<std::pair<std::string, long long>> KeyAndNumber(const std::string& text) {
  const auto equals = text.find('=');
  if (equals == std::string::npos || equals == 0) return std::nullopt;
  const auto number = WholeNumber(text.substr(equals + 1));
  if (!number) return std::nullopt;
  std::string key = text.substr(0, equals);
  for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return std::pair{key, *number};
}

LoadRequest ParseLoad(const std::string& text) {
  const auto equals = text.rfind('=');
  if (equals != std::string::npos && equals + 1 < text.size()) {
    return {text.substr(0, equals), text.substr(equals + 1)};
  }
  return {text, std::filesystem::path(text).stem().string()};
}

using ValueOption = std::function<bool(SimOptions&, const std::string&)>;

// An option whose value is a byte or line count kept in `field`.
template <typename Field>
ValueOption CountOption(Field Faults::*field) {
  return [field](SimOptions& o, const std::string& v) {
    const auto count = WholeNumber(v);
    if (count) o.faults.*field = static_cast<std::size_t>(*count);
    return count.has_value();
  };
}

const std::map<std::string, ValueOption>& ValueOptions() {
  static const std::map<std::string, ValueOption> options = {
      {"--model",
       [](SimOptions& o, const std::string& v) {
         const auto model = ParseModel(v);
         if (model) o.model = *model;
         return model.has_value();
       }},
      {"--baud",
       [](SimOptions& o, const std::string& v) {
         const auto baud = WholeNumber(v);
         if (baud && *baud <= 1000000) o.pacing.baud = static_cast<int>(*baud);
         return baud && *baud <= 1000000;
       }},
      {"--speed",
       [](SimOptions& o, const std::string& v) {
         const auto factor = Factor(v);
         if (factor) o.pacing.speedFactor = *factor;
         return factor.has_value();
       }},
      {"--load",
       [](SimOptions& o, const std::string& v) {
         o.loads.push_back(ParseLoad(v));
         return !o.loads.back().path.empty();
       }},
      {"--fail",
       [](SimOptions& o, const std::string& v) {
         const auto fail = KeyAndNumber(v);
         if (!fail) return false;
         o.faults.failCommand = fail->first;
         o.faults.failCode = static_cast<int>(fail->second);
         return true;
       }},
      {"--battery",
       [](SimOptions& o, const std::string& v) {
         if (!Factor(v)) return false;
         o.batteryVolts = v;
         return true;
       }},
      {"--recording-macro",
       [](SimOptions& o, const std::string& v) {
         const auto macro = WholeNumber(v);
         if (macro && *macro < kMacroCount) o.recordingMacro = static_cast<int>(*macro);
         return macro && *macro < kMacroCount;
       }},
      {"--silent-after", CountOption(&Faults::silentAfterBytes)},
      {"--drop-line",
       [](SimOptions& o, const std::string& v) {
         const auto drop = KeyAndNumber(v);
         if (!drop) return false;
         o.faults.dropLineOf = drop->first;
         o.faults.droppedLineIndex = static_cast<std::size_t>(drop->second);
         return true;
       }},
      {"--short-record", CountOption(&Faults::recordDataShortBy)},
      {"--missing-listing-lines", CountOption(&Faults::listingLinesMissing)},
  };
  return options;
}

void AddDemoFiles(const std::string& demoPath, AnalyzerState& state) {
  LoadedFile demo = LoadVqbFile(demoPath, "DEMO", state.clock());
  MemoryFile all = demo.file ? *demo.file : NewFile("DEMO", state.clock());
  if (!demo.file) all.records = DemoRecords();
  MemoryFile firstTwo = NewFile("NOISE", state.clock());
  firstTwo.records.assign(all.records.begin(), all.records.begin() + std::min<std::ptrdiff_t>(2, std::ssize(all.records)));
  state.store.Add(std::move(all));
  state.store.Add(std::move(firstTwo));
}

}  // namespace

std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& arguments, std::string& problem) {
  SimOptions options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& name = arguments[i];
    if (name == "--help") {
      options.help = true;
    } else if (name == "--no-diskette") {
      options.diskette = false;
    } else if (name == "--non-numeric-size") {
      options.faults.nonNumericRecordSize = true;
    } else if (const auto option = ValueOptions().find(name); option != ValueOptions().end()) {
      if (i + 1 >= arguments.size()) {
        problem = name + " needs a value";
        return std::nullopt;
      }
      const std::string& value = arguments[++i];
      if (!option->second(options, value)) {
        problem = "bad value for " + name + ": " + value;
        return std::nullopt;
      }
    } else {
      problem = "unknown option: " + name;
      return std::nullopt;
    }
  }
  return options;
}

bool ApplySimOptions(const SimOptions& options, const std::string& demoPath, VirtualAnalyzer& analyzer,
                     std::string& problem, std::vector<std::string>& warnings) {
  AnalyzerState& state = analyzer.State();
  state.identity = IdentityFor(options.model);
  state.panel.model = options.model;
  state.diskette.inserted = options.diskette;
  analyzer.Misbehaviour() = options.faults;
  if (options.batteryVolts) state.settings.batteryVolts = *options.batteryVolts;
  if (options.recordingMacro) state.settings.macros.recording = options.recordingMacro;
  if (options.loads.empty()) {
    AddDemoFiles(demoPath, state);
  }
  for (const LoadRequest& load : options.loads) {
    LoadedFile loaded = LoadVqbFile(load.path, load.memoryName, state.clock());
    if (!loaded.file) {
      problem = loaded.problem;
      return false;
    }
    if (!loaded.problem.empty()) warnings.push_back(loaded.problem + "; its earlier records are loaded");
    state.store.Add(std::move(*loaded.file));
  }
  state.store.Select(state.store.Memory().Files().front().name);
  return true;
}

}  // namespace simanalyzer
