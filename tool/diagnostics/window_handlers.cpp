#include "diagnostics/window_handlers.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <optional>

#include "base/ip_address.h"
#include "base/localised_text.h"
#include "base/text_trim.h"
#include "diagnostics/host_fact_sources.h"
#include "diagnostics/off_thread_call.h"
#include "diagnostics/ping_runner.h"
#include "diagnostics/screen_of.h"
#include "widgets/apply_language.h"
#include "widgets/busy_state.h"
#include "widgets/error_report.h"
#include "widgets/message_boxes.h"
#include "widgets/result_colours.h"

namespace dorvane {

namespace {

QColor ResultColour(ValueColour colour) {
  switch (colour) {
    case ValueColour::kLightRed: return kLightRed;
    case ValueColour::kLightGreen: return kLightGreen;
    case ValueColour::kWhite: break;
  }
  return kWhite;
}

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

void ShowIfGiven(QLabel* label, const std::optional<LabelValue>& value) {
  if (value) ShowLabelValue(label, *value);
}

}  // namespace

void ShowLabelValue(QLabel* label, const LabelValue& value) {
  label->setText(QString::fromStdString(value.text));
  SetBackColour(label, ResultColour(value.colour));
}

void PingClick(QWidget* window, const PingBox& box, const std::function<void(bool)>& buttonMode) {
  // Declared before the trap so the report still finds the window busy.
  std::optional<BusyGuard> busy;
  try {
    std::string text = box.address->text().toStdString();
    if (TrimBlanks(text).empty() || !ValidateIPAddress(text)) {
      ShowMessage(window, BoxIcon::Information, WindowText(1036), WindowText(1045));
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

void GetCurrentIPClick(const HostBox& box, const std::function<void(bool)>& buttonMode) {
  std::optional<BusyGuard> busy;
  try {
    busy.emplace(buttonMode);
    for (QLabel* label : box.addresses) label->clear();
    box.hostName->clear();
    CurrentIPFacts facts;
    RunOffThread([&facts] { facts = GetCurrentIP(); });
    for (std::size_t i = 0; i < facts.adapterAddresses.size(); ++i) {
      box.addresses[i]->setText(QString::fromStdString(facts.adapterAddresses[i]));
    }
    box.hostName->setText(QString::fromStdString(facts.hostName));
  } catch (...) {
    ReportTrappedError("Get Current IP & Host Name");
  }
}

void TestSystemClick(QWidget* window, const SystemTestBox& box, const std::function<void(bool)>& buttonMode) {
  std::optional<BusyGuard> busy;
  try {
    busy.emplace(buttonMode);
    std::optional<ScreenFacts> screen;
    if (const QScreen* windowScreen = window->screen()) screen = ScreenFactsOf(*windowScreen);
    std::string drive = box.drives->currentIndex() < 0 ? std::string() : box.drives->currentText().toStdString();
    SystemTestFacts facts;
    RunOffThread([&facts, &drive, &screen] { facts = TestSystem(drive, screen); });
    ShowIfGiven(box.admin, facts.os.admin);
    ShowIfGiven(box.system, facts.os.name);
    ShowIfGiven(box.version, facts.os.version);
    if (facts.dhcpFailure) ShowErrorReport("DHCP Function", *facts.dhcpFailure);
    ShowLabelValue(box.dhcp, facts.dhcp);
    ShowLabelValue(box.screen, facts.screen);
    ShowLabelValue(box.freeSpace, facts.freeSpace);
  } catch (...) {
    ReportTrappedError("Test System Click");
  }
}

}  // namespace dorvane
