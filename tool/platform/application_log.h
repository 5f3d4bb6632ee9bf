#pragma once
// The system's application log, where the tool leaves a record that the
// installer accepted to send encryption keys over the network (Linux: the
// system log under the ident "DorvanePELLAR", which the journal keeps;
// Windows: the application event log, source "DorvanePELLAR").

#include <memory>
#include <string>

#include "platform/command_outcome.h"

namespace dorvane::platform {

inline constexpr const char* kApplicationLogSource = "DorvanePELLAR";

class ApplicationLog {
 public:
  virtual ~ApplicationLog() = default;
  // One information entry with exactly this text.
  virtual CommandOutcome WriteInformation(const std::string& text) = 0;
};

std::shared_ptr<ApplicationLog> SystemApplicationLog();

}  // namespace dorvane::platform
