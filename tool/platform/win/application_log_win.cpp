#include <windows.h>

#include <string>

#include "platform/application_log.h"
#include "platform/win/wide_text.h"

namespace dorvane::platform {

namespace {

std::string LastErrorText(const char* call) {
  return std::string(call) + " failed, error " + std::to_string(GetLastError());
}

class EventLog : public ApplicationLog {
 public:
  CommandOutcome WriteInformation(const std::string& text) override {
    const std::string where = std::string("application event log, source ") + kApplicationLogSource;
    HANDLE source = RegisterEventSourceW(nullptr, Wide(kApplicationLogSource).c_str());
    if (!source) return {false, where + ": " + LastErrorText("RegisterEventSource")};
    std::wstring message = Wide(text);
    LPCWSTR strings[] = {message.c_str()};
    BOOL written = ReportEventW(source, EVENTLOG_INFORMATION_TYPE, 0, 0, nullptr, 1, 0, strings, nullptr);
    std::string failure = written ? std::string() : LastErrorText("ReportEvent");
    DeregisterEventSource(source);
    if (!written) return {false, where + ": " + failure};
    return {true, where};
  }
};

}  // namespace

std::shared_ptr<ApplicationLog> SystemApplicationLog() { return std::make_shared<EventLog>(); }

}  // namespace dorvane::platform
