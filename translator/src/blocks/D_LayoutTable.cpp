#include "D_LayoutTable.h"

#include <array>

#include "D_StandardSpectrum.h"

namespace {

constexpr std::array<D_LayoutWriter, static_cast<std::size_t>(D_Layout::kCount)> layoutWriters = [] {
  std::array<D_LayoutWriter, static_cast<std::size_t>(D_Layout::kCount)> table{};
  table[static_cast<std::size_t>(D_Layout::kStandardSpectrum)] = &WriteStandardSpectrum;
  return table;
}();

}  // namespace

D_LayoutWriter FindDataLayout(D_Layout layout) {
  const auto index = static_cast<std::size_t>(layout);
  return index < layoutWriters.size() ? layoutWriters[index] : nullptr;
}
