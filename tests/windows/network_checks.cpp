// The Win32 network code: ICMP echo, the adapter list, a name lookup.
// Every packet stays on loopback: the runner puts the program in a network
// namespace of its own whose only device is lo, where PELLAR_SILENT_ADDRESS
// names a loopback address that no one answers.

#include <algorithm>
#include <cstdlib>
#include <string>

#include "check_program.h"
#include "platform/arp_table.h"
#include "platform/icmp_codec.h"
#include "platform/network.h"

namespace dorvane::testing {

namespace {

constexpr int kTimeoutMs = 1000;

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

void RequirePrivateNetwork(Check& check) {
  if (Environment("PELLAR_PRIVATE_NETWORK") != "1") {
    check.Skip("not inside a network namespace of the test's own (the runner needs root for one)");
  }
}

void EchoFromLoopback(Check& check) {
  platform::EchoReply reply = platform::Ping("127.0.0.1", "127.0.0.1", kTimeoutMs);
  check.Expect(reply.status == platform::kIpSuccess, "status " + std::to_string(reply.status) + ", not 0");
  check.Expect(reply.data == "127.0.0.1", "echoed data '" + reply.data + "'");
  check.Note("round trip " + std::to_string(reply.roundTripMs) + " ms");
}

void EchoTimesOut(Check& check) {
  RequirePrivateNetwork(check);
  std::string silent = Environment("PELLAR_SILENT_ADDRESS");
  if (silent.empty()) check.Skip("the runner named no silent loopback address");
  platform::EchoReply reply = platform::Ping(silent, silent, kTimeoutMs);
  check.Expect(reply.status == platform::kIpRequestTimedOut,
               "status " + std::to_string(reply.status) + ", not 11010 (timed out)");
  check.Expect(reply.data.empty(), "data '" + reply.data + "' from no reply");
}

void EchoRejectsBadAddress(Check& check) {
  for (const char* text : {"999.1.1.1", "not an address", ""}) {
    platform::EchoReply reply = platform::Ping(text, "x", kTimeoutMs);
    check.Expect(reply.status == platform::kBadIpFormat,
                 std::string("'") + text + "': status " + std::to_string(reply.status));
  }
}

void AdaptersHoldAnAddress(Check& check) {
  std::vector<std::string> addresses = platform::AdapterAddresses();
  bool usable = std::any_of(addresses.begin(), addresses.end(), [](const std::string& address) {
    return address == "127.0.0.1" || (!address.empty() && address != "0.0.0.0");
  });
  std::string listed;
  for (const std::string& address : addresses) listed += " '" + address + "'";
  check.Expect(usable, "no loopback and no adapter with an address among:" + listed);
  check.Note("adapters:" + listed);
}

void ArpCommandsStart(Check& check) {
  // arp.exe changes the table of the namespace, which ends with the run.
  RequirePrivateNetwork(check);
  std::shared_ptr<platform::ArpTable> table = platform::SystemArpTable();
  platform::CommandOutcome cleared = table->Clear();
  check.Expect(cleared.ok && cleared.detail == "arp.exe -d", "clear: " + cleared.detail);
  platform::CommandOutcome assigned = table->Assign("127.0.0.5", "00-20-4a-12-34-56");
  check.Expect(assigned.ok && assigned.detail == "arp.exe -s 127.0.0.5 00-20-4a-12-34-56",
               "assign: " + assigned.detail);
}

void LoopbackHasAName(Check& check) {
  // Only the hosts file can answer inside the namespace; no query leaves it.
  RequirePrivateNetwork(check);
  platform::SocketSession session;
  check.Expect(session.Started(), "Windows Sockets did not start");
  std::string name = platform::SystemHostNameFromIP("127.0.0.1");
  check.Expect(!name.empty(), "127.0.0.1 has no name");
  check.Note("name '" + name + "'");
  check.Expect(session.Cleanup(), "Windows Sockets did not close down");
}

}  // namespace

std::vector<CheckCase> NetworkCases() {
  return {
      {"ICMP echo to 127.0.0.1 answers", EchoFromLoopback},
      {"ICMP echo to a silent address times out", EchoTimesOut},
      {"ICMP echo refuses a malformed address", EchoRejectsBadAddress},
      {"adapter list holds loopback or an address", AdaptersHoldAnAddress},
      {"ARP commands start arp.exe", ArpCommandsStart},
      {"reverse lookup of 127.0.0.1", LoopbackHasAName},
  };
}

}  // namespace dorvane::testing
