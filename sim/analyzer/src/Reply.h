// Builds one command's reply bytes, applying the faults that concern replies.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "simanalyzer/Faults.h"

namespace simanalyzer {

class Reply {
 public:
  Reply(std::string_view mnemonic, const Faults& faults, std::vector<uint8_t>& out)
      : mnemonic_(mnemonic), faults_(faults), out_(out) {}

  // One line; CR LF is added.
  void Line(std::string_view text);
  // A first line with the count of the lines that follow, then the lines.
  void CountedListing(const std::vector<std::string>& lines);
  void Data(std::span<const uint8_t> bytes);

 private:
  std::string_view mnemonic_;
  const Faults& faults_;
  std::vector<uint8_t>& out_;
  std::size_t linesSoFar_ = 0;
};

}  // namespace simanalyzer
