#include <arpa/inet.h>
#include <linux/errqueue.h>
#include <linux/icmp.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <random>

#include "diagnostics/icmp_echo_packet.h"
#include "diagnostics/icmp_error_status.h"
#include "platform/icmp_echo.h"

namespace dorvane::platform {

namespace {

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

EchoReply Ping(const std::string& address, const std::string& data, int timeoutMs) {
  in_addr target{};
  if (inet_pton(AF_INET, address.c_str(), &target) != 1) return {kBadIpFormat, 0, {}};
  // Windows refuses 0.0.0.0 without sending anything, where Linux would take
  // it for this host; the broadcast address is no device either.
  if (target.s_addr == htonl(INADDR_ANY) || target.s_addr == htonl(INADDR_BROADCAST)) {
    return {kIpBadDestination, 0, {}};
  }
  IcmpEchoSocket socket;
  if (!socket.IsOpen()) return {kIpGeneralFailure, 0, {}};
  Clock::time_point sentAt = Clock::now();
  if (std::int32_t status = socket.Send(target, data); status != kIpSuccess) return {status, 0, {}};
  return socket.AwaitAnswer(sentAt, std::chrono::milliseconds(timeoutMs));
}

}  // namespace dorvane::platform
