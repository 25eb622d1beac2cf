// The texts the translation dialog derives from what the user typed.
#pragma once

#include <QByteArray>
#include <QString>

// The input path without trailing blanks, its ".vqb" extension (in any case)
// replaced by "csv", or ".csv" appended when it has none. Paths are
// case-sensitive here, so the path keeps its case; the new extension is in
// lower case when the old one (or, without one, the file name) has lower-case
// letters and no upper-case ones, else in upper case.
QString DefaultOutputPath(const QString& inputPath);

// The file note as the translator writes it: with CR LF appended, or empty.
QByteArray Preamble(const QString& note);
