#pragma once
// Tests never touch the machine's ARP table: runs get this one instead,
// which succeeds and remembers what it was asked to do.

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/arp_table.h"

namespace dorvane::testing {

class FakeArpTable : public platform::ArpTable {
 public:
  platform::CommandOutcome Clear() override {
    std::lock_guard lock(m_mutex);
    m_calls.push_back("clear");
    return {true, "fake"};
  }
  platform::CommandOutcome Assign(const std::string& address, const std::string& mac) override {
    std::lock_guard lock(m_mutex);
    m_calls.push_back("assign " + address + " " + mac);
    return {true, "fake"};
  }
  // "clear", "assign 192.168.1.10 00-20-4a-12-34-56", in order.
  std::vector<std::string> Calls() const {
    std::lock_guard lock(m_mutex);
    return m_calls;
  }

 private:
  mutable std::mutex m_mutex;
  std::vector<std::string> m_calls;
};

}  // namespace dorvane::testing
