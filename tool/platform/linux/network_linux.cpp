// The Linux side of network.h. Everything here answers for the caller's
// network namespace.

// net/if.h before the kernel's headers, which then leave out the interface
// flags it declares.
// clang-format off
#include <net/if.h>
#include <linux/errqueue.h>
#include <linux/icmp.h>
// clang-format on
#include <arpa/inet.h>
#include <ifaddrs.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <sstream>

#include "base/run_time_error.h"
#include "platform/icmp_codec.h"
#include "platform/log.h"
#include "platform/network.h"
#include "platform/network_texts.h"

namespace dorvane::platform {

namespace {

constexpr int kInvalidProcedureCall = 5;

struct LinuxInterface {
  unsigned index = 0;
  bool up = false;
  bool loopback = false;
  std::vector<std::string> ipv4;  // dotted, in the kernel's order (primary first)
};

// In interface-index order; nothing when the kernel will not list them.
std::optional<std::vector<LinuxInterface>> InterfacesInIndexOrder() {
  ifaddrs* list = nullptr;
  if (getifaddrs(&list) != 0) {
    qCWarning(lcPlatform, "getifaddrs failed: %s", std::strerror(errno));
    return std::nullopt;
  }
  std::unique_ptr<ifaddrs, decltype(&freeifaddrs)> owner(list, &freeifaddrs);
  std::map<unsigned, LinuxInterface> byIndex;
  for (ifaddrs* entry = list; entry; entry = entry->ifa_next) {
    // An address with a label ("eth0:1") belongs to the interface before the colon.
    std::string name = entry->ifa_name;
    name = name.substr(0, name.find(':'));
    unsigned index = if_nametoindex(name.c_str());
    if (index == 0) continue;
    LinuxInterface& interface = byIndex[index];
    interface.index = index;
    interface.up = interface.up || (entry->ifa_flags & IFF_UP);
    interface.loopback = interface.loopback || (entry->ifa_flags & IFF_LOOPBACK);
    if (entry->ifa_addr && entry->ifa_addr->sa_family == AF_INET) {
      char text[INET_ADDRSTRLEN] = {};
      const auto* address = reinterpret_cast<const sockaddr_in*>(entry->ifa_addr);
      if (inet_ntop(AF_INET, &address->sin_addr, text, sizeof text)) interface.ipv4.push_back(text);
    }
  }
  std::vector<LinuxInterface> interfaces;
  for (auto& [index, interface] : byIndex) interfaces.push_back(std::move(interface));
  return interfaces;
}

bool IsOwnAddress(const in_addr& address) {
  char text[INET_ADDRSTRLEN] = {};
  if (!inet_ntop(AF_INET, &address, text, sizeof text)) return false;
  std::optional<std::vector<LinuxInterface>> interfaces = InterfacesInIndexOrder();
  if (!interfaces) return false;
  return std::any_of(interfaces->begin(), interfaces->end(), [&text](const LinuxInterface& interface) {
    return std::find(interface.ipv4.begin(), interface.ipv4.end(), text) != interface.ipv4.end();
  });
}

// Where the DHCP clients of Debian and its neighbours keep their leases.
struct LeaseFolder {
  const char* path;
  const char* extension;  // empty: every file
};

constexpr LeaseFolder kLeaseFolders[] = {
    {"/run/systemd/netif/leases", ""},
    {"/var/lib/NetworkManager", ".lease"},
    {"/var/lib/dhcp", ".leases"},
    {"/var/lib/dhclient", ".leases"},
};

std::vector<std::string> AllLeasedAddresses() {
  std::vector<std::string> leased;
  for (const LeaseFolder& folder : kLeaseFolders) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path, error)) {
      std::string extension = folder.extension;
      if (!entry.is_regular_file(error)) continue;
      if (!extension.empty() && entry.path().extension() != extension) continue;
      // A file we may not read tells us nothing; the others still count.
      std::ifstream file(entry.path());
      if (!file) {
        qCDebug(lcPlatform, "lease file %s cannot be read", entry.path().c_str());
        continue;
      }
      std::ostringstream text;
      text << file.rdbuf();
      for (std::string& address : LeasedAddresses(text.str())) leased.push_back(std::move(address));
    }
  }
  return leased;
}

using Clock = std::chrono::steady_clock;

std::uint16_t ProcessIdentifier() {
  static const std::uint16_t identifier = static_cast<std::uint16_t>(std::random_device{}());
  return identifier;
}

std::uint16_t NextSequence() {
  static std::atomic<std::uint16_t> sequence{0};
  return ++sequence;
}

// One echo request on its own socket. A raw socket needs root or
// CAP_NET_RAW and sees every ICMP message of the host, so replies and errors
// are told apart by identifier and sequence; the datagram ("ping") socket
// needs net.ipv4.ping_group_range to include the user's group, and the
// kernel matches the identifier and queues errors on the socket.
class IcmpEchoSocket {
 public:
  IcmpEchoSocket() {
    m_fd = socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP);
    if (m_fd >= 0) {
      m_raw = true;
      // Only what can answer an echo request reaches us.
      icmp_filter filter{};
      filter.data = ~((1U << ICMP_ECHOREPLY) | (1U << ICMP_DEST_UNREACH) | (1U << ICMP_SOURCE_QUENCH) |
                      (1U << ICMP_TIME_EXCEEDED) | (1U << ICMP_PARAMETERPROB));
      setsockopt(m_fd, SOL_RAW, ICMP_FILTER, &filter, sizeof filter);
      return;
    }
    m_fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_ICMP);
    if (m_fd >= 0) {
      int on = 1;
      setsockopt(m_fd, SOL_IP, IP_RECVERR, &on, sizeof on);
    }
  }
  ~IcmpEchoSocket() {
    if (m_fd >= 0) close(m_fd);
  }
  IcmpEchoSocket(const IcmpEchoSocket&) = delete;
  IcmpEchoSocket& operator=(const IcmpEchoSocket&) = delete;

  bool IsOpen() const { return m_fd >= 0; }

  // kIpSuccess once the request is on its way.
  std::int32_t Send(in_addr target, const std::string& data) {
    std::string request = EchoRequest(m_identifier, m_sequence, data);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_addr = target;
    if (sendto(m_fd, request.data(), request.size(), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to) < 0) {
      return StatusForSocketError(static_cast<std::errc>(errno));
    }
    return kIpSuccess;
  }

  EchoReply AwaitAnswer(Clock::time_point sentAt, std::chrono::milliseconds timeout) {
    const Clock::time_point deadline = sentAt + timeout;
    auto elapsed = [sentAt] {
      return static_cast<std::uint32_t>(
          std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - sentAt).count());
    };
    for (;;) {
      Clock::time_point now = Clock::now();
      if (now >= deadline) return {kIpRequestTimedOut, 0, {}};
      pollfd entry{m_fd, POLLIN, 0};
      int ready =
          poll(&entry, 1, static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(deadline - now).count()));
      if (ready < 0 && errno == EINTR) continue;
      if (ready < 0 || (entry.revents & POLLNVAL)) return {kIpGeneralFailure, 0, {}};
      if (entry.revents & POLLERR) {
        if (std::optional<std::int32_t> status = ReadError()) return {*status, elapsed(), {}};
      }
      if (entry.revents & POLLIN) {
        IcmpAnswer answer = ReadMessage();
        if (answer.kind == IcmpAnswerKind::kEchoReply) return {kIpSuccess, elapsed(), std::move(answer.data)};
        if (answer.kind == IcmpAnswerKind::kError) return {answer.status, elapsed(), {}};
      }
    }
  }

 private:
  IcmpAnswer ReadMessage() {
    char buffer[4096];
    ssize_t size = recv(m_fd, buffer, sizeof buffer, MSG_DONTWAIT);
    if (size < 0) return {};
    std::optional<std::uint16_t> identifier;
    if (m_raw) identifier = m_identifier;
    return ReadIcmpAnswer(std::string_view(buffer, static_cast<std::size_t>(size)), m_raw, identifier, m_sequence);
  }

  // An error the kernel queued for our request (datagram socket), or the
  // socket's pending error.
  std::optional<std::int32_t> ReadError() {
    if (!m_raw) {
      char data[512];
      char control[512];
      iovec part{data, sizeof data};
      msghdr message{};
      message.msg_iov = &part;
      message.msg_iovlen = 1;
      message.msg_control = control;
      message.msg_controllen = sizeof control;
      ssize_t size = recvmsg(m_fd, &message, MSG_ERRQUEUE | MSG_DONTWAIT);
      if (size >= 0) {
        if (EchoRequestSequence(std::string_view(data, static_cast<std::size_t>(size))) != m_sequence)
          return std::nullopt;
        for (cmsghdr* item = CMSG_FIRSTHDR(&message); item; item = CMSG_NXTHDR(&message, item)) {
          if (item->cmsg_level != SOL_IP || item->cmsg_type != IP_RECVERR) continue;
          sock_extended_err error;
          std::memcpy(&error, CMSG_DATA(item), sizeof error);
          if (error.ee_origin == SO_EE_ORIGIN_ICMP) return StatusForIcmpError(error.ee_type, error.ee_code);
          return StatusForSocketError(static_cast<std::errc>(error.ee_errno));
        }
        return std::nullopt;
      }
    }
    int error = 0;
    socklen_t size = sizeof error;
    if (getsockopt(m_fd, SOL_SOCKET, SO_ERROR, &error, &size) < 0 || error == 0) return std::nullopt;
    return StatusForSocketError(static_cast<std::errc>(error));
  }

  int m_fd = -1;
  bool m_raw = false;
  std::uint16_t m_identifier = ProcessIdentifier();
  std::uint16_t m_sequence = NextSequence();
};

}  // namespace

std::vector<std::string> AdapterAddresses() {
  std::vector<std::string> addresses;
  std::optional<std::vector<LinuxInterface>> interfaces = InterfacesInIndexOrder();
  if (!interfaces) return addresses;
  for (const LinuxInterface& interface : *interfaces) {
    // An interface that is down is a disabled adapter, which Windows does
    // not list either; one that is up without an address shows 0.0.0.0 as a
    // disconnected Windows adapter does.
    if (interface.loopback || !interface.up) continue;
    addresses.push_back(interface.ipv4.empty() ? "0.0.0.0" : interface.ipv4.front());
  }
  return addresses;
}

bool IsDHCPEnabled() {
  std::optional<std::vector<LinuxInterface>> interfaces = InterfacesInIndexOrder();
  if (!interfaces) throw RunTimeError(kInvalidProcedureCall, "The network interfaces could not be read.");
  std::vector<std::string> addresses;
  for (const LinuxInterface& interface : *interfaces) {
    if (!interface.loopback) addresses.insert(addresses.end(), interface.ipv4.begin(), interface.ipv4.end());
  }
  return AnyAddressLeased(addresses, AllLeasedAddresses());
}

std::string SystemHostNameFromIP(const std::string& address) {
  sockaddr_in host{};
  host.sin_family = AF_INET;
  if (inet_pton(AF_INET, address.c_str(), &host.sin_addr) != 1) return {};
  char name[NI_MAXHOST] = {};
  if (getnameinfo(reinterpret_cast<const sockaddr*>(&host), sizeof host, name, sizeof name, nullptr, 0, NI_NAMEREQD) ==
      0) {
    return name;
  }
  // Windows names the computer's own addresses after the computer even
  // without a DNS entry; installers expect the same here.
  if (IsOwnAddress(host.sin_addr) && gethostname(name, sizeof name) == 0) {
    name[sizeof name - 1] = '\0';
    return name;
  }
  return {};
}

SocketSession::SocketSession() : m_started(true), m_open(true) {}

SocketSession::~SocketSession() = default;

bool SocketSession::Cleanup() {
  m_open = false;
  return true;
}

EchoReply Ping(const std::string& address, const std::string& data, int timeoutMs) {
  in_addr target{};
  if (inet_pton(AF_INET, address.c_str(), &target) != 1) return {kBadIpFormat, 0, {}};
  // Windows refuses 0.0.0.0 without sending anything, where Linux would take
  // it for this host; the broadcast address is no device either.
  if (target.s_addr == htonl(INADDR_ANY) || target.s_addr == htonl(INADDR_BROADCAST)) {
    return {kIpBadDestination, 0, {}};
  }
  IcmpEchoSocket socket;
  if (!socket.IsOpen()) {
    qCWarning(lcPlatform,
              "no ICMP socket (%s): a raw socket needs root or CAP_NET_RAW, a datagram socket a group in "
              "net.ipv4.ping_group_range",
              std::strerror(errno));
    return {kIpGeneralFailure, 0, {}};
  }
  Clock::time_point sentAt = Clock::now();
  if (std::int32_t status = socket.Send(target, data); status != kIpSuccess) return {status, 0, {}};
  return socket.AwaitAnswer(sentAt, std::chrono::milliseconds(timeoutMs));
}

std::optional<std::string> GetRemoteMACAddress(const std::string& address) {
  in_addr target{};
  if (inet_pton(AF_INET, address.c_str(), &target) != 1 || target.s_addr == 0) return std::nullopt;
  // The echo has just made the kernel resolve an on-link neighbour; the
  // entry it keeps is the answer.
  std::ifstream file("/proc/net/arp");
  if (!file) {
    qCWarning(lcPlatform, "/proc/net/arp cannot be read: no hardware address");
    return std::nullopt;
  }
  std::ostringstream table;
  table << file.rdbuf();
  return MacAddressText(HardwareAddressFromArpTable(table.str(), address));
}

}  // namespace dorvane::platform
