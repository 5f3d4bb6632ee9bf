#include "diagnostics/test_system_click.h"

#include <QComboBox>
#include <QLabel>
#include <QWidget>
#include <optional>

#include "diagnostics/label_value.h"
#include "diagnostics/off_thread_call.h"
#include "diagnostics/screen_of.h"
#include "diagnostics/system_test_facts.h"
#include "widgets/busy_state.h"
#include "widgets/error_report.h"

namespace dorvane {

namespace {

void ShowIfGiven(QLabel* label, const std::optional<LabelValue>& value) {
  if (value) ShowLabelValue(label, *value);
}

}  // namespace

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
