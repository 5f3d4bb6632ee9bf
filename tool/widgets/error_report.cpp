#include "widgets/error_report.h"

#include <QApplication>
#include <QFileInfo>

#include "base/run_time_error.h"
#include "widgets/message_boxes.h"

namespace dorvane {

void ShowErrorReport(const QString& label, int number, const QString& description) {
  while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
  if (number == 0) return;
  QString title = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
  QString text = QString::fromStdString(ErrorReportText(label.toStdString(), number, description.toStdString()));
  ShowMessage(QApplication::activeWindow(), BoxIcon::Critical, title, text);
}

void ShowErrorReport(const QString& label, const RunTimeError& error) {
  ShowErrorReport(label, error.Number(), QString::fromStdString(error.Description()));
}

void ReportTrappedError(const QString& label) { ShowErrorReport(label, CurrentRunTimeError()); }

}  // namespace dorvane
