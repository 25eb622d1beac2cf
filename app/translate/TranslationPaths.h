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

// The output the dialog proposes for its input: DefaultOutputPath of a
// computer file; for a memory file, whose name has no folder, the name made
// into a .csv file in the folder last used for output (else documents, else
// home). Always absolute.
QString ProposedOutputPath(int inputKind, const QString& input);

// True when `output` is the file `input`, under any name or link.
bool IsInputFile(const QString& input, const QString& output);

// The warning for an output whose autostore table could not be turned.
QString RearrangementFailure(const QString& outputPath);

inline constexpr const char* kOutputIsInput =
    "The output file is the input file.  Please select another output file.";

// The file note as the translator writes it: with CR LF appended, or empty.
QByteArray Preamble(const QString& note);
