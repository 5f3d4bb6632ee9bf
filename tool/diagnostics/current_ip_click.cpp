#include "diagnostics/current_ip_click.h"

#include <QLabel>
#include <optional>

#include "diagnostics/current_ip_facts.h"
#include "diagnostics/off_thread_call.h"
#include "widgets/error_report.h"
#include "widgets/busy_state.h"

namespace dorvane {

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

}  // namespace dorvane
