#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "platform/application_log.h"

namespace dorvane::platform {

namespace {

constexpr const char* kLogSocket = "/dev/log";

// Tests point the log at a socket of their own (DORVANE_LOG_SOCKET).
std::string LogSocketPath() {
  const char* path = std::getenv("DORVANE_LOG_SOCKET");
  return path && *path ? path : kLogSocket;
}
// facility user (1) * 8 + severity informational (6)
constexpr int kUserInformation = 14;

// syslog(3) drops a message it cannot deliver without a word, and the
// installer must learn that the record is missing; so the entry goes to the
// log socket directly, in the format the system log daemons and the journal
// read from it.
class SystemLog : public ApplicationLog {
 public:
  CommandOutcome WriteInformation(const std::string& text) override {
    const std::string path = LogSocketPath();
    const std::string where = "system log (" + path + ")";
    int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return {false, where + ": " + std::strerror(errno)};
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof(address.sun_path) - 1);
    std::string message = Header() + text;
    bool sent = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 &&
                send(fd, message.data(), message.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(message.size());
    int error = errno;
    close(fd);
    if (!sent) return {false, where + ": " + std::strerror(error)};
    return {true, where};
  }

 private:
  static std::string Header() {
    char stamp[32] = {};
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::strftime(stamp, sizeof(stamp), "%b %e %H:%M:%S", &local);
    return "<" + std::to_string(kUserInformation) + ">" + stamp + " " + kApplicationLogSource + "[" +
           std::to_string(getpid()) + "]: ";
  }
};

}  // namespace

std::shared_ptr<ApplicationLog> SystemApplicationLog() { return std::make_shared<SystemLog>(); }

}  // namespace dorvane::platform
