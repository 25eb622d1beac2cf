#include "common/UserPrompts.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QQueue>
#include <utility>

#include "common/StringTable.h"

namespace prompts {
namespace {

struct Script {
  bool active = false;
  QQueue<Answer> answers;
  QQueue<QString> fileNames;
  FileDialogRequest lastRequest;
  QStringList shown;
};

Script& TheScript() {
  static Script script;
  return script;
}

// "Name (*.x)|*.x|All (*.*)|*.*||" becomes the ";;"-separated form of Qt.
QString QtFilter(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'), Qt::SkipEmptyParts);
  QStringList names;
  for (qsizetype i = 0; i < parts.size(); i += 2) names << parts[i];
  return names.join(QLatin1String(";;"));
}

QString ScriptedFileName(const FileDialogRequest& request) {
  Script& script = TheScript();
  script.lastRequest = request;
  return script.fileNames.isEmpty() ? QString() : script.fileNames.dequeue();
}

QString WithSuffix(QString fileName, const QString& suffix) {
  const QString bare = QString(suffix).remove(QLatin1String("*.")).remove(QLatin1Char('.'));
  if (!fileName.isEmpty() && !bare.isEmpty() && QFileInfo(fileName).suffix().isEmpty())
    fileName += QLatin1Char('.') + bare;
  return fileName;
}

QString RunFileDialog(QWidget* parent, const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, request.caption, request.startPath, QtFilter(request.filter));
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(QString(request.defaultSuffix).remove(QLatin1String("*.")));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

}  // namespace

namespace {
std::function<QString()>& FailureCause() {
  static std::function<QString()> cause;
  return cause;
}

const QString& Title() {
  static const QString title = QStringLiteral("Verdalon");
  return title;
}

// A Yes/No question; `preferred` is the button Enter presses, NoButton for Qt's own choice.
Answer Ask(QWidget* parent, const QString& text, QMessageBox::StandardButton preferred) {
  Script& script = TheScript();
  if (script.active) {
    script.shown << text;
    return script.answers.isEmpty() ? Answer::No : script.answers.dequeue();
  }
  return QMessageBox::question(parent, Title(), text, QMessageBox::Yes | QMessageBox::No, preferred) ==
                 QMessageBox::Yes
             ? Answer::Yes
             : Answer::No;
}
}  // namespace

void SetFailureCause(std::function<QString()> cause) { FailureCause() = std::move(cause); }

QString WithFailureCause(const QString& text) {
  const QString cause = FailureCause() ? FailureCause()() : QString();
  return cause.isEmpty() ? text : text + QLatin1Char('\n') + cause;
}

Answer Show(QWidget* parent, const QString& shownText, Icon icon) {
  if (icon == Icon::Question) return Ask(parent, shownText, QMessageBox::NoButton);
  const QString text = icon == Icon::Warning ? WithFailureCause(shownText) : shownText;
  Script& script = TheScript();
  if (script.active) {
    script.shown << text;
    return Answer::Ok;
  }
  if (icon == Icon::Warning) {
    QMessageBox::warning(parent, Title(), text);
  } else {
    QMessageBox::information(parent, Title(), text);
  }
  return Answer::Ok;
}

Answer AskDefaultNo(QWidget* parent, const QString& text) { return Ask(parent, text, QMessageBox::No); }

Answer ShowMessage(QWidget* parent, int messageId, Icon icon) {
  return Show(parent, strings::LoadString(messageId), icon);
}

QString SaveFileName(QWidget* parent, const FileDialogRequest& request) {
  if (TheScript().active) return WithSuffix(ScriptedFileName(request), request.defaultSuffix);
  return RunFileDialog(parent, request, QFileDialog::AcceptSave);
}

QString OpenFileName(QWidget* parent, const FileDialogRequest& request) {
  if (TheScript().active) return ScriptedFileName(request);
  return RunFileDialog(parent, request, QFileDialog::AcceptOpen);
}

void SetScripted(bool scripted) {
  Script& script = TheScript();
  script = Script{};
  script.active = scripted;
}

void QueueAnswer(Answer answer) { TheScript().answers.enqueue(answer); }
void QueueFileName(const QString& fileName) { TheScript().fileNames.enqueue(fileName); }
QStringList ShownTexts() { return TheScript().shown; }
FileDialogRequest LastFileRequest() { return TheScript().lastRequest; }
void ClearLog() { TheScript().shown.clear(); }

}  // namespace prompts
