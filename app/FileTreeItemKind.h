// Kinds of the file tree's items: the low byte of each item's data word.
#pragma once

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
}  // namespace FileTreeItemKind
