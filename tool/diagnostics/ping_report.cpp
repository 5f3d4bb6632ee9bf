#include "diagnostics/ping_report.h"

namespace dorvane {

bool MacLookupWanted(const PingReport& report) { return !report.socketsStarted || report.echo.status == kIpSuccess; }

PingValues PingLabelValues(const PingReport& report) {
  PingValues values;
  if (report.socketsStarted) {
    values.hostName = " " + report.hostName;
    values.status = {" " + GetIPStatusText(report.echo.status),
                     report.echo.status == kIpSuccess ? ValueColour::kLightGreen : ValueColour::kLightRed};
    values.roundTrip = " " + std::to_string(report.echo.roundTripMs) + " ms";
    values.dataBytes = " " + std::to_string(report.echo.data.size()) + " bytes";
    // The echoed data is a character field padded with NUL characters.
    const std::string& data = report.echo.data;
    if (!data.empty() && data.front() != '\0') values.echoData = " " + data.substr(0, data.find('\0'));
  }
  if (report.macLookedUp) values.mac = " " + report.mac.value_or("Function Not Supported");
  return values;
}

bool PingSucceeded(const PingReport& report) { return report.socketsStarted && report.echo.status == kIpSuccess; }

}  // namespace dorvane
