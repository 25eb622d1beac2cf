// The four commands on the file selected in the tree: Create, Delete, Copy to
// Computer and Copy to Diskette. Each shows its own messages and tells what
// it changed, for the tree to show it.
#pragma once

#include <QString>

class AnalyzerLink;
class CDownloadProgressDlg;
class QWidget;

namespace fileops {

// Asks for a name with the "Create File" dialog and creates that memory
// file; true when it was created.
bool RunCreate(QWidget* parent, AnalyzerLink& link);
// Deletes memory file `target` (kind 11) or computer file `target` (kind 13)
// once the user said Yes; true when it was deleted.
bool RunDelete(QWidget* parent, AnalyzerLink& link, int kind, const QString& target);
enum class CopyOutcome { Copied, Failed, NoWindow, Abandoned };
// Copies memory file `source` to `destination` with `progress` open over
// `owner`, under the wait cursor. Abandoned: a window closing stopped it.
CopyOutcome CopyWithProgress(QWidget* owner, AnalyzerLink& link, CDownloadProgressDlg& progress, const QString& source,
                             const QString& destination);
// Asks where to, then copies memory file `source` there with `progress`
// open; the file written, empty when none was.
QString RunCopyToComputer(QWidget* parent, AnalyzerLink& link, CDownloadProgressDlg& progress, const QString& source);
// Saves memory file `source` on the analyzer's diskette and makes the file
// that was current before current again.
void RunCopyToDiskette(QWidget* parent, AnalyzerLink& link, const QString& source);

// Message 61558 with the step that failed on a line of its own; alone when
// the step would blame the file for the analyzer's silence.
QString CopyFailureMessage(AnalyzerLink& link, const QString& source, const QString& destination);

}  // namespace fileops
