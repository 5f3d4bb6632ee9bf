// DorvanePELLAR: the installer's tool. The process is its main window.

#include <QApplication>

#include "base/localised_text.h"
#include "base/program_start.h"
#include "shell/main_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("DorvanePELLAR");
  QApplication::setOrganizationName("DORVANE");
  QApplication::setApplicationVersion(PELLAR_VERSION_TEXT);
  dorvane::CommandLineText = QApplication::arguments().value(1).toStdString();
  dorvane::MainWindow window;
  window.show();
  return QApplication::exec();
}
