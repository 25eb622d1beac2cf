// Shows the wait cursor for as long as it lives.
#pragma once

#include <QApplication>
#include <QCursor>

class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

// Runs `call` under the wait cursor and hands back its result, so that a
// message about that result shows the ordinary cursor.
template <typename Call>
auto WhileWaiting(Call call) {
  WaitCursor wait;
  return call();
}
