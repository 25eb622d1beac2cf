#include "panel/KeypadLayout.h"

#include <algorithm>
#include <array>

namespace keypad {
namespace {

constexpr Arrow kNo = Arrow::None;

// The sixteen soft keys, the same on every model: eight under the screen and
// eight below them.
constexpr std::array<KeyRow, 16> kSoftKeys{{
    {1107, 65, 81, true, "", kNo, false, 1, 0}, {1108, 66, 82, true, "", kNo, false, 2, 0},
    {1109, 67, 83, true, "", kNo, false, 3, 0}, {1110, 68, 84, true, "", kNo, false, 4, 0},
    {1111, 69, 85, true, "", kNo, false, 5, 0}, {1112, 70, 86, true, "", kNo, false, 6, 0},
    {1113, 71, 87, true, "", kNo, false, 7, 0}, {1114, 72, 88, true, "", kNo, false, 8, 0},
    {1127, 73, 89, true, "", kNo, false, 1, 1}, {1128, 74, 90, true, "", kNo, false, 2, 1},
    {1130, 75, 33, true, "", kNo, false, 3, 1}, {1131, 76, 64, true, "", kNo, false, 4, 1},
    {1132, 77, 35, true, "", kNo, false, 5, 1}, {1133, 78, 37, true, "", kNo, false, 6, 1},
    {1135, 79, 91, true, "", kNo, false, 7, 1}, {1136, 80, 93, true, "", kNo, false, 8, 1},
}};

// Digits 1 to 9 and their shifted characters, the same on every model.
constexpr std::array<KeyRow, 9> kDigitKeys{{
    {1138, 49, 58, false, ":\n1", kNo, false, 7, 4}, {1139, 50, 59, false, ";\n2", kNo, false, 8, 4},
    {1140, 51, 47, false, "/\n3", kNo, false, 9, 4}, {1141, 52, 60, false, "<\n4", kNo, false, 7, 3},
    {1142, 53, 61, false, "=\n5", kNo, false, 8, 3}, {1143, 54, 62, false, ">\n6", kNo, false, 9, 3},
    {1144, 55, 40, false, "(\n7", kNo, false, 7, 2}, {1145, 56, 41, false, ")\n8", kNo, false, 8, 2},
    {1146, 57, 42, false, "*\n9", kNo, false, 9, 2},
}};

// A layout: the shared soft and digit keys, then the model's own keys.
template <std::size_t N>
constexpr std::array<KeyRow, kSoftKeys.size() + kDigitKeys.size() + N> WithSharedKeys(const std::array<KeyRow, N>& own) {
  std::array<KeyRow, kSoftKeys.size() + kDigitKeys.size() + N> rows{};
  std::size_t count = 0;
  for (const KeyRow& row : kSoftKeys) rows[count++] = row;
  for (const KeyRow& row : kDigitKeys) rows[count++] = row;
  for (const KeyRow& row : own) rows[count++] = row;
  return rows;
}

constexpr std::array<KeyRow, 46> kStandardLayout = WithSharedKeys(std::array<KeyRow, 21>{{
    {1137, 48, 46, false, ".\n0", kNo, false, 7, 5},
    {1115, 16, 16, false, "SLM", kNo, false, 4, 2},
    {1147, 18, 2, false, "Reset\nR/S", kNo, true, 2, 2},
    {1134, 3, 30, false, "Screen\nSystem", kNo, false, 0, 2},
    {1129, 31, 63, false, "?\nPrint", kNo, false, 1, 2},
    {1118, 17, 34, false, "\"\nLocal", kNo, true, 3, 2},
    {1116, 22, 23, false, "Shift", kNo, false, 0, 5},
    {1117, 22, 23, false, "Shift", kNo, false, 5, 5},
    {1119, 32, 44, false, ",\nSpace", kNo, false, 9, 5},
    {1121, 45, 43, false, "+\n-", kNo, false, 8, 5},
    {1120, 14, 92, false, "\\\nCH1", kNo, true, 0, 4},
    {1122, 15, 36, false, "$\nCH2", kNo, true, 1, 4},
    {1124, 5, 1, false, "Clear\nRecall", kNo, false, 0, 3},
    {1159, 26, 26, false, "Cursor", kNo, true, 3, 4},
    {1125, 24, 25, false, "Auto\nRange", kNo, false, 5, 3},
    {1153, 6, 9, false, "", Arrow::Up, true, 3, 3},
    {1154, 7, 10, false, "", Arrow::Down, true, 3, 5},
    {1158, 8, 12, false, "<<\n<", Arrow::Left, true, 2, 4},
    {1157, 28, 11, false, ">>\n>", Arrow::Right, true, 4, 4},
    {1126, 4, 38, false, "&&\nStore", kNo, false, 1, 3},
    {1123, 13, 13, false, "Exit", kNo, false, 5, 2},
}});

constexpr std::array<KeyRow, 41> kDeodarLayout = WithSharedKeys(std::array<KeyRow, 16>{{
    {1137, 48, 46, false, "\"\n0", kNo, false, 7, 5},
    {1116, 22, 23, false, "Shift", kNo, false, 0, 5},
    {1119, 32, 44, false, ",\nSpace", kNo, false, 9, 5},
    {1121, 45, 43, false, "+\n-", kNo, false, 8, 5},
    {1171, 4, 46, false, ".\nSTO", kNo, false, 1, 3},
    {1123, 13, 13, false, "Exit", kNo, false, 5, 2},
    {1172, 5, 1, false, "CLR\nRCL", kNo, false, 0, 3},
    {1159, 26, 26, false, "< | >", kNo, false, 3, 4},
    {1125, 24, 25, false, "Auto\nRange", kNo, false, 5, 3},
    {1173, 8, 38, false, "&&\nPrev", kNo, true, 0, 4},
    {1174, 28, 36, false, "$\nNext", kNo, true, 1, 4},
    {1129, 31, 63, false, "?\nPrint", kNo, false, 1, 2},
    {1134, 3, 30, false, "Screen\nSystem", kNo, false, 0, 2},
    {1175, 17, 16, false, "SRQ\nLocal", kNo, true, 3, 2},
    {1147, 18, 2, false, "Reset\nR/S", kNo, true, 2, 2},
    {1117, 22, 23, false, "Shift", kNo, false, 5, 5},
}});

constexpr std::array<int, 51> kAllButtonIds = [] {
  std::array<int, 51> ids{};
  std::size_t count = 0;
  for (const KeyRow& row : kStandardLayout) ids[count++] = row.buttonId;
  for (int id : {1171, 1172, 1173, 1174, 1175}) ids[count++] = id;
  return ids;
}();

QString KeyName(const QStringList& names, int key) { return key >= 0 && key < names.size() ? names[key] : QString(); }

}  // namespace

std::span<const KeyRow> Layout(bool deodar) {
  if (deodar) return kDeodarLayout;
  return kStandardLayout;
}

std::span<const int> AllButtonIds() { return kAllButtonIds; }

const KeyRow* FindRow(bool deodar, int buttonId) {
  const std::span<const KeyRow> rows = Layout(deodar);
  const auto found = std::find_if(rows.begin(), rows.end(), [buttonId](const KeyRow& row) { return row.buttonId == buttonId; });
  return found == rows.end() ? nullptr : &*found;
}

QString SoftKeyLabel(const KeyRow& row, const QStringList& names) {
  return (KeyName(names, row.shiftedKey) + QLatin1Char('\n') + KeyName(names, row.key)).toLower();
}

QString LabelOf(const KeyRow& row, const QStringList& names) {
  return row.softKey ? SoftKeyLabel(row, names) : QString::fromLatin1(row.label);
}

}  // namespace keypad
