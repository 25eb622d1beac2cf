// The menu bar, toolbar and accelerators of the main window, as data.
#pragma once

#include <QKeySequence>
#include <vector>

namespace cmd {

inline constexpr int kSeparator = 0;

struct MenuItem {
  const char* text;
  int id;  // kSeparator for a separator
};

struct Menu {
  const char* title;
  std::vector<MenuItem> items;
};

struct Accelerator {
  QKeySequence keys;
  int id;
};

const std::vector<Menu>& MenuBar();
// Toolbar buttons in order; kSeparator between groups.
const std::vector<int>& ToolbarButtons();
const std::vector<Accelerator>& Accelerators();
// The file tree's context menu: the file commands, kSeparator between groups.
const std::vector<int>& FileTreeContextMenu();

}  // namespace cmd
