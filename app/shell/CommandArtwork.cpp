#include "shell/CommandArtwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "commands/CommandIds.h"
#include "commands/ThemeIconNames.h"

namespace artwork {
namespace {

// Each picture is drawn on a 16 x 16 grid and scaled; outlines lie on half
// pixels so that they stay sharp at 16 pixels.
using Drawing = void (*)(QPainter&);

const QColor kOutline(46, 52, 54);
const QColor kPaper(255, 255, 255);
const QColor kSteel(186, 189, 182);
const QColor kDarkSteel(85, 87, 83);
const QColor kGreen(115, 210, 22);
const QColor kDarkGreen(78, 154, 6);
const QColor kRed(239, 41, 41);
const QColor kDarkRed(164, 0, 0);
const QColor kBlue(52, 101, 164);
const QColor kLightBlue(114, 159, 207);
const QColor kOrange(245, 121, 0);

void Outlined(QPainter& p, const QColor& fill, const QColor& line = kOutline) {
  p.setPen(QPen(line, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(fill);
}

void Line(QPainter& p, const QColor& colour, double width, QPointF from, QPointF to) {
  p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawLine(from, to);
}

// A sheet of paper with its top right corner folded.
void Page(QPainter& p, double left, double right) {
  QPainterPath sheet;
  sheet.moveTo(left, 0.5);
  sheet.lineTo(right - 4, 0.5);
  sheet.lineTo(right, 4.5);
  sheet.lineTo(right, 15.5);
  sheet.lineTo(left, 15.5);
  sheet.closeSubpath();
  Outlined(p, kPaper, kDarkSteel);
  p.drawPath(sheet);
  p.drawPolyline(QPolygonF({QPointF(right - 4, 0.5), QPointF(right - 4, 4.5), QPointF(right, 4.5)}));
}

// A plug facing right, its cable coming in from the left edge.
void Plug(QPainter& p, double x, const QColor& fill, const QColor& line) {
  Line(p, kOutline, 1.5, QPointF(0.5, 8), QPointF(x, 8));
  Outlined(p, fill, line);
  p.drawRoundedRect(QRectF(x, 4.5, 4, 7), 1, 1);
  Line(p, kDarkSteel, 1.5, QPointF(x + 4.5, 6), QPointF(x + 6.5, 6));
  Line(p, kDarkSteel, 1.5, QPointF(x + 4.5, 10), QPointF(x + 6.5, 10));
}

// A socket open to the left, its cable going out at the right edge.
void Socket(QPainter& p, double x) {
  Line(p, kOutline, 1.5, QPointF(x + 4, 8), QPointF(15.5, 8));
  Outlined(p, kSteel);
  p.drawRoundedRect(QRectF(x, 3.5, 4, 9), 1, 1);
}

void DrawConnect(QPainter& p) {
  Socket(p, 9.5);
  Plug(p, 3.5, kGreen, kDarkGreen);
}

void DrawDisconnect(QPainter& p) {
  Socket(p, 11.5);
  Plug(p, 1.5, kRed, kDarkRed);
  // The gap between them, marked by a slash.
  Line(p, kDarkRed, 1.5, QPointF(10, 3), QPointF(9, 13));
}

void DrawDataProfiles(QPainter& p) {
  Page(p, 2.5, 13.5);
  for (double y : {5.5, 8.5, 11.5}) {
    Outlined(p, kLightBlue, kBlue);
    p.drawRect(QRectF(4.5, y - 1, 2, 2));
    Line(p, kDarkSteel, 1, QPointF(8.5, y), QPointF(11.5, y));
  }
}

// A screen at `screen` showing four spectrum bars that stand on its bottom.
void SpectrumScreen(QPainter& p, const QRectF& screen, const QColor& background, const QColor& bars,
                    const double (&heights)[4]) {
  Outlined(p, background, kOutline);
  p.drawRect(screen);
  p.setPen(Qt::NoPen);
  p.setBrush(bars);
  const double pitch = (screen.width() - 1) / 4;
  for (int i = 0; i < 4; ++i) {
    p.drawRect(QRectF(screen.left() + 0.5 + i * pitch + 0.2, screen.bottom() - 0.5 - heights[i], pitch - 0.5,
                      heights[i]));
  }
}

// The handheld analyzer: its screen with a spectrum, its keys below.
void DrawInstrumentManager(QPainter& p) {
  Outlined(p, kDarkSteel);
  p.drawRoundedRect(QRectF(2.5, 0.5, 11, 15), 2, 2);
  SpectrumScreen(p, QRectF(4.5, 2.5, 7, 6), QColor(211, 215, 207), kDarkGreen, {3, 5, 2, 4});
  p.setBrush(kSteel);
  for (int row = 0; row < 2; ++row) {
    for (int column = 0; column < 3; ++column) p.drawRect(QRectF(4.5 + column * 2.5, 10.5 + row * 2.5, 1.5, 1.5));
  }
}

// A terminal window with a prompt.
void DrawSendCommand(QPainter& p) {
  Outlined(p, kOutline, kOutline);
  p.drawRoundedRect(QRectF(0.5, 1.5, 15, 13), 1.5, 1.5);
  Line(p, kGreen, 1.5, QPointF(3, 5), QPointF(6, 8));
  Line(p, kGreen, 1.5, QPointF(6, 8), QPointF(3, 11));
  Line(p, kPaper, 1.5, QPointF(8, 11.5), QPointF(12.5, 11.5));
}

// The analyzer's front panel: its screen with a spectrum and a column of keys.
void DrawVirtualRta(QPainter& p) {
  Outlined(p, kSteel, kDarkSteel);
  p.drawRoundedRect(QRectF(0.5, 2.5, 15, 11), 1.5, 1.5);
  SpectrumScreen(p, QRectF(2.5, 4.5, 8, 7), kOutline, kOrange, {4, 6, 3, 5});
  p.setBrush(kDarkSteel);
  for (int row = 0; row < 3; ++row) p.drawRect(QRectF(12, 5 + row * 2.3, 2, 1.5));
}

void DrawRecord(QPainter& p) {
  Outlined(p, kRed, kDarkRed);
  p.drawEllipse(QPointF(8, 8), 5.5, 5.5);
}

void DrawPlayback(QPainter& p) {
  Outlined(p, kGreen, kDarkGreen);
  p.drawPolygon(QPolygonF({QPointF(4.5, 2.5), QPointF(13.5, 8), QPointF(4.5, 13.5)}));
}

void DrawPrint(QPainter& p) {
  Outlined(p, kPaper, kDarkSteel);
  p.drawRect(QRectF(4.5, 0.5, 7, 6));
  Outlined(p, kSteel, kDarkSteel);
  p.drawRoundedRect(QRectF(0.5, 5.5, 15, 6), 1, 1);
  Outlined(p, kPaper, kDarkSteel);
  p.drawRect(QRectF(4.5, 9.5, 7, 6));
  Line(p, kDarkSteel, 1, QPointF(6, 12), QPointF(10, 12));
  p.setPen(Qt::NoPen);
  p.setBrush(kGreen);
  p.drawRect(QRectF(12, 7, 2, 1.5));
}

void DrawAbout(QPainter& p) {
  Outlined(p, kBlue, QColor(32, 74, 135));
  p.drawEllipse(QPointF(8, 8), 7, 7);
  p.setPen(Qt::NoPen);
  p.setBrush(kPaper);
  p.drawEllipse(QPointF(8, 4.5), 1.3, 1.3);
  p.drawRoundedRect(QRectF(6.8, 6.8, 2.4, 6), 0.8, 0.8);
}

// A record's binary data becoming a table of text: a page with a grid,
// an arrow pointing into it.
void DrawTranslate(QPainter& p) {
  Page(p, 4.5, 15.5);
  for (double y : {7.5, 10.5, 13.5}) Line(p, kLightBlue, 1, QPointF(6.5, y), QPointF(13.5, y));
  Line(p, kLightBlue, 1, QPointF(10, 6.5), QPointF(10, 13.5));
  Line(p, kOrange, 2, QPointF(0.5, 4), QPointF(6, 4));
  p.setPen(Qt::NoPen);
  p.setBrush(kOrange);
  p.drawPolygon(QPolygonF({QPointF(5, 1), QPointF(8.5, 4), QPointF(5, 7)}));
}

void DrawCreate(QPainter& p) {
  Page(p, 1.5, 12.5);
  Outlined(p, kGreen, kDarkGreen);
  QPainterPath plus;
  plus.addRect(QRectF(11.5, 7.5, 2, 8));
  plus.addRect(QRectF(8.5, 10.5, 8, 2));
  plus.setFillRule(Qt::WindingFill);
  p.drawPath(plus.simplified());
}

void DrawDelete(QPainter& p) {
  Outlined(p, kSteel, kDarkSteel);
  p.drawPolygon(QPolygonF({QPointF(3.5, 4.5), QPointF(12.5, 4.5), QPointF(11.5, 15.5), QPointF(4.5, 15.5)}));
  p.drawRect(QRectF(1.5, 2.5, 13, 2));
  p.drawRect(QRectF(6.5, 0.5, 3, 2));
  for (double x : {6.5, 9.5}) Line(p, kDarkSteel, 1, QPointF(x, 6.5), QPointF(x, 13.5));
}

// A monitor with an arrow coming down into it.
void DrawCopyToComputer(QPainter& p) {
  Outlined(p, kSteel, kDarkSteel);
  p.drawRect(QRectF(5.5, 13.5, 5, 2));
  Outlined(p, kLightBlue, kOutline);
  p.drawRoundedRect(QRectF(0.5, 3.5, 15, 10), 1, 1);
  Outlined(p, kGreen, kDarkGreen);
  p.drawPolygon(QPolygonF({QPointF(6.5, 0.5), QPointF(9.5, 0.5), QPointF(9.5, 5.5), QPointF(12, 5.5), QPointF(8, 10),
                           QPointF(4, 5.5), QPointF(6.5, 5.5)}));
}

void DrawCopyToDiskette(QPainter& p) {
  Outlined(p, kBlue, QColor(32, 74, 135));
  p.drawPolygon(QPolygonF({QPointF(1.5, 1.5), QPointF(13, 1.5), QPointF(14.5, 3), QPointF(14.5, 14.5),
                           QPointF(1.5, 14.5)}));
  Outlined(p, kSteel, kDarkSteel);
  p.drawRect(QRectF(4.5, 1.5, 7, 4));
  Outlined(p, kPaper, kDarkSteel);
  p.drawRect(QRectF(3.5, 8.5, 9, 6));
}

struct DrawnIcon {
  int id;
  Drawing draw;
};

constexpr DrawnIcon kDrawnIcons[] = {
    {cmd::kConnect, DrawConnect},
    {cmd::kDisconnect, DrawDisconnect},
    {cmd::kDataProfiles, DrawDataProfiles},
    {cmd::kInstrumentManager, DrawInstrumentManager},
    {cmd::kSendCommand, DrawSendCommand},
    {cmd::kVirtualRta, DrawVirtualRta},
    {cmd::kRecord, DrawRecord},
    {cmd::kPlayback, DrawPlayback},
    {cmd::kPrint, DrawPrint},
    {cmd::kAbout, DrawAbout},
    {cmd::kTranslate, DrawTranslate},
    {cmd::kCreate, DrawCreate},
    {cmd::kDelete, DrawDelete},
    {cmd::kCopyToComputer, DrawCopyToComputer},
    {cmd::kCopyToDiskette, DrawCopyToDiskette},
};

constexpr double kGrid = 16.0;

QPixmap Render(Drawing draw, int size) {
  QPixmap image(size, size);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / kGrid, size / kGrid);
  draw(painter);
  return image;
}

}  // namespace

QIcon DrawnCommandIcon(int id) {
  for (const DrawnIcon& icon : kDrawnIcons) {
    if (icon.id != id) continue;
    QIcon drawn;
    for (int size : {kMenuIconSize, kToolbarIconSize}) drawn.addPixmap(Render(icon.draw, size));
    return drawn;
  }
  return {};
}

QIcon CommandIcon(int id) {
  const char* themeName = cmd::ThemeIconName(id);
  const QIcon drawn = DrawnCommandIcon(id);
  return themeName ? QIcon::fromTheme(QLatin1String(themeName), drawn) : drawn;
}

}  // namespace artwork
