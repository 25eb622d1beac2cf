// Kinds of the file tree's items: the low byte of each item's data word.
// Record items carry their type code in bits 8-15 and their number in bits
// 16-31; block items carry their mask bit in bits 16-31.
#pragma once

#include <cstdint>

namespace FileTreeItemKind {
inline constexpr int kNone = 0;
inline constexpr int kAnalyzerRoot = 1;
inline constexpr int kComputerRoot = 3;
inline constexpr int kMemoryFile = 11;
inline constexpr int kComputerFile = 13;
inline constexpr int kMemoryRecord = 21;
inline constexpr int kComputerRecord = 23;
inline constexpr int kMemoryBlock = 31;
inline constexpr int kComputerBlock = 32;
inline constexpr int kFolder = 41;

inline constexpr int KindOf(std::uint32_t dataWord) { return static_cast<int>(dataWord & 0xFFu); }
inline constexpr int RecordTypeOf(std::uint32_t dataWord) { return static_cast<int>((dataWord >> 8) & 0xFFu); }
// The record number of a record item, or the mask bit of a block item.
inline constexpr int HighWordOf(std::uint32_t dataWord) { return static_cast<int>(dataWord >> 16); }

inline constexpr std::uint32_t RecordWord(int kind, int type, int number) {
  return static_cast<std::uint32_t>(kind) + ((static_cast<std::uint32_t>(type) & 0xFFu) << 8) +
         ((static_cast<std::uint32_t>(number) & 0xFFFFu) << 16);
}
inline constexpr std::uint32_t BlockWord(int kind, int blockIndex) {
  return static_cast<std::uint32_t>(kind) + ((1u << blockIndex) << 16);
}
}  // namespace FileTreeItemKind
