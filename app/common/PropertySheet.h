// A tabbed sheet of pages with OK, Cancel and Apply below them; a page hears
// when it becomes the active one.
#pragma once

#include <QDialog>
#include <QWidget>

class QDialogButtonBox;
class QTabWidget;

class PropertyPage : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;
  // Called whenever the page becomes the active page of its sheet.
  virtual void OnSetActive() {}
};

class PropertySheet : public QDialog {
  Q_OBJECT

 public:
  explicit PropertySheet(const QString& caption, QWidget* parent = nullptr);

  void AddPage(PropertyPage* page, const QString& title);
  QTabWidget* Tabs() const { return tabs; }
  QDialogButtonBox* Buttons() const { return buttons; }
  // For sheets whose pages apply every change at once: a single "&Close"
  // (the OK button) instead of OK, Cancel and Apply, since nothing could be
  // cancelled.
  void ShowOnlyCloseButton();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ActivatePage(int index);

  QTabWidget* tabs;
  QDialogButtonBox* buttons;
};
