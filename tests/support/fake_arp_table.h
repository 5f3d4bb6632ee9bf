#pragma once
// Tests never change the machine's ARP table: runs get this one, which
// reports success (or the failure a test asks for) and changes nothing.

#include "platform/arp_table.h"

namespace dorvane::testing {

class FakeArpTable : public platform::ArpTable {
 public:
  bool clearWorks = true;
  bool assignWorks = true;
  int assignCalls = 0;
  platform::CommandOutcome Clear() override { return {clearWorks, "fake ARP table"}; }
  platform::CommandOutcome Assign(const std::string&, const std::string&) override {
    ++assignCalls;
    return {assignWorks, "fake ARP table"};
  }
};

}  // namespace dorvane::testing
