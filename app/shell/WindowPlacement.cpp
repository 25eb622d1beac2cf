#include "shell/WindowPlacement.h"

#include <climits>

namespace {
constexpr int kDefaultWidth = 640;
constexpr int kDefaultHeight = 480;
}  // namespace

QRect ReadWindowRect(settings::Store& store) {
  const int left = store.Read(settings::kWindowLeft);
  const int top = store.Read(settings::kWindowTop);
  const qint64 width = qint64(store.Read(settings::kWindowRight)) - left;
  const qint64 height = qint64(store.Read(settings::kWindowBottom)) - top;
  if (width <= 0 || height <= 0 || width > INT_MAX || height > INT_MAX) return {};
  return QRect(left, top, int(width), int(height));
}

void WriteWindowRect(settings::Store& store, const QRect& rect) {
  store.Write(settings::kWindowLeft, rect.left());
  store.Write(settings::kWindowTop, rect.top());
  store.Write(settings::kWindowRight, rect.left() + rect.width());
  store.Write(settings::kWindowBottom, rect.top() + rect.height());
}

QRect InitialWindowRect(const QRect& saved, const QRect& screen) {
  if (saved.isValid() && !saved.isEmpty() && (screen.isEmpty() || saved.intersects(screen))) return saved;
  QRect placed(0, 0, kDefaultWidth, kDefaultHeight);
  if (!screen.isEmpty()) placed.moveCenter(screen.center());
  return placed;
}
