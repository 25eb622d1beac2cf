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

// True when `output` is the file `input`, under any name or link.
bool IsInputFile(const QString& input, const QString& output);

inline constexpr const char* kOutputIsInput =
    "The output file is the input file.  Please select another output file.";

// The file note as the translator writes it: with CR LF appended, or empty.
QByteArray Preamble(const QString& note);
