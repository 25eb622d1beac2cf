#include <QApplication>

#include "shell/CVerdalonApp.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  CVerdalonApp app;
  if (!app.InitInstance()) return 0;
  application.exec();
  return app.ExitInstance();
}
