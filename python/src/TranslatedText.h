// A translation as text in memory: written by verda's own steps into a
// temporary file, so that its bytes are those of verda translate, and read
// from that file's mapping, which saves a copy of texts of a hundred megabytes.
#pragma once

#include <string>
#include <string_view>

#include "morvane/FileTranslation.h"

namespace morvane_python {

class TranslatedText {
 public:
  // Touches no Python object: may run while the interpreter is released.
  TranslatedText(const morvane::TranslationRequest& request, const std::string& input);
  // Unmaps and removes the temporary file.
  ~TranslatedText();
  TranslatedText(const TranslatedText&) = delete;
  TranslatedText& operator=(const TranslatedText&) = delete;

  const morvane::TranslationOutcome& Outcome() const { return outcome_; }
  // Empty unless the outcome is a success.
  std::string_view Bytes() const { return {static_cast<const char*>(mapping_), size_}; }

 private:
  std::string path_;
  bool created_ = false;
  morvane::TranslationOutcome outcome_;
  void* mapping_ = nullptr;
  std::size_t size_ = 0;
};

}  // namespace morvane_python
