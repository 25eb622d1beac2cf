// Every message box and file dialog of the program goes through here, so that
// tests can answer them without a modal window.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace prompts {

enum class Icon { Warning, Information, Question };
enum class Answer { Ok, Yes, No };

// Warnings and information show OK; questions show Yes and No.
Answer Show(QWidget* parent, const QString& text, Icon icon);
Answer ShowMessage(QWidget* parent, int messageId, Icon icon = Icon::Warning);
// A question whose default answer, the one Enter gives, is No: for what cannot be undone.
Answer AskDefaultNo(QWidget* parent, const QString& text);
// What a warning gets as a line of its own when the cause of the failure
// is known elsewhere (the analyzer stopped answering); empty for none.
void SetFailureCause(std::function<QString()> cause);
// `text` with that cause's line under it, as a warning shows it.
QString WithFailureCause(const QString& text);

struct FileDialogRequest {
  QString caption;
  QString filter;  // in the "Text (*.x)|*.x|..||" form of the resources
  QString defaultSuffix;
  QString startPath;
};
// The chosen file name, empty on Cancel.
QString SaveFileName(QWidget* parent, const FileDialogRequest& request);
QString OpenFileName(QWidget* parent, const FileDialogRequest& request);

// Test seam: while scripted, nothing modal opens; answers and file names come
// from the queues (a question with no queued answer is answered No, a file
// dialog with no queued name is cancelled) and every text shown is logged.
void SetScripted(bool scripted);
void QueueAnswer(Answer answer);
void QueueFileName(const QString& fileName);
QStringList ShownTexts();
// The request of the last file dialog asked for while scripted.
FileDialogRequest LastFileRequest();
void ClearLog();

}  // namespace prompts
