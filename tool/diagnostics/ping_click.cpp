#include "diagnostics/ping_click.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <optional>

#include "diagnostics/label_value.h"
#include "diagnostics/off_thread_call.h"
#include "diagnostics/ping_runner.h"
#include "widgets/error_report.h"
#include "widgets/busy_state.h"
#include "base/ip_address.h"
#include "widgets/message_boxes.h"
#include "base/string_table.h"

namespace dorvane {

namespace {

QString Text(int id) { return QString::fromStdString(LoadText(id)); }

void ShowReport(QWidget* window, const PingBox& box, const PingReport& report) {
  PingValues values = PingLabelValues(report);
  box.hostName->setText(QString::fromStdString(values.hostName));
  ShowLabelValue(box.status[0], values.status);
  box.status[1]->setText(QString::fromStdString(values.mac));
  box.status[2]->setText(QString::fromStdString(values.roundTrip));
  box.status[3]->setText(QString::fromStdString(values.dataBytes));
  box.status[4]->setText(QString::fromLatin1(values.echoData.data(), static_cast<qsizetype>(values.echoData.size())));
  if (!report.socketsStarted) {
    QApplication::restoreOverrideCursor();
    ShowMessage(window, BoxIcon::Critical, QCoreApplication::applicationName(),
                "Windows Sockets for 32 bit Windows not successfully responding.");
  }
  if (report.socketCleanupFailed) {
    ShowMessage(window, BoxIcon::Critical, "Ping Cleanup", "Windows Sockets Error In Cleanup.");
  }
}

}  // namespace

void PingClick(QWidget* window, const PingBox& box, const std::function<void(bool)>& buttonMode) {
  // Declared before the trap so the report still finds the window busy.
  std::optional<BusyGuard> busy;
  try {
    std::string text = box.address->text().toStdString();
    if (box.address->text().trimmed().isEmpty() || !ValidateIPAddress(text)) {
      ShowMessage(window, BoxIcon::Information, Text(1036), Text(1045));
      box.address->setFocus();
      return;
    }
    const std::string address = IPAddressWithoutLeadingZeros(text);
    box.address->setText(QString::fromStdString(address));

    busy.emplace(buttonMode);
    box.hostName->clear();
    for (QLabel* label : box.status) label->clear();
    PingReport report;
    RunOffThread([&report, &address] { report = RunPing(address); });
    ShowReport(window, box, report);
  } catch (...) {
    ReportTrappedError("Ping Click");
  }
}

}  // namespace dorvane
