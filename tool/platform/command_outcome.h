#pragma once
// Whether a host command (an ARP table change) did its job. Standard library
// only, so the scripts' Dialogue hands it on unchanged from the platform.

#include <string>

namespace dorvane::platform {

struct CommandOutcome {
  bool ok = false;
  std::string detail;  // what ran and why it failed, for the transcript and log
};

}  // namespace dorvane::platform
