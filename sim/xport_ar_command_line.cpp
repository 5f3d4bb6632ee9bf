#include "sim/xport_ar_command_line.h"

#include <QRegularExpression>
#include <array>
#include <utility>

namespace dorvane::sim {

namespace {

constexpr double kRestartSeconds = 1.0;

// What a level accepts: the lines that open a deeper level, and the lines
// it takes in place ("*" at the end: any value after the blank).
struct LevelRule {
  const char* name;  // the prompt's text
  QList<QPair<const char*, const char*>> openers;
  QList<const char*> commands;
};

const std::array<LevelRule, 20> kLevels = {{
    {">", {{"enable", "enable"}}, {"show", "reload"}},
    {"enable",
     {{"conf", "config"}, {"cpm", "cpm"}, {"line 2", "line"}, {"tunnel 1", "tunnel"}, {"tunnel 2", "tunnel"}},
     {"show", "reload", "write"}},
    {"config", {{"cli", "cli"}, {"http", "http"}, {"if eth0", "if"}, {"ftp", "ftp"}}, {"write"}},
    {"cli", {{"telnet", "telnet"}, {"ssh", "ssh"}}, {"write"}},
    {"telnet", {}, {"port *", "state disable", "write"}},
    {"ssh", {}, {"state disable", "write"}},
    {"http", {}, {"state disable", "write"}},
    {"if", {}, {"bootp disable", "dhcp disable", "dhcp enable", "ip address *", "default gateway *", "write"}},
    {"ftp", {}, {"state disable", "write"}},
    {"cpm", {}, {"create DORVANE", "set CP5 as output", "add CP5 to DORVANE 0", "write"}},
    {"line",
     {},
     {"baud rate *", "stop bits 1", "data bits 8", "flow control none", "parity none", "protocol tunnel",
      "state enable", "write"}},
    {"tunnel",
     {{"accept", "accept"},
      {"serial", "serial"},
      {"packing", "packing"},
      {"connect", "connect"},
      {"modem", "modem"},
      {"disconnect", "disconnect"}},
     {"write"}},
    {"accept", {}, {"accept mode disable", "accept mode always", "local port *", "protocol tcp", "write"}},
    {"serial", {}, {"dtr asserted while connected", "default buffer size", "write"}},
    {"packing", {}, {"packing mode timeout", "threshold 512", "timeout 52", "write"}},
    {"connect",
     {{"host", "host"}, {"cp output", "cp-output"}},
     {"connect mode disable", "connect mode modem emulation", "local port *", "default local port", "write"}},
    {"host", {}, {"port *", "protocol tcp aes", "aes encrypt key *", "aes decrypt key *", "write"}},
    {"cp-output", {}, {"connection value 1", "disconnection value 0", "group DORVANE", "write"}},
    {"modem",
     {},
     {"incoming connection disabled", "echo commands disable", "echo pluses disable", "error unknown commands disable",
      "response type text", "verbose response disable", "write"}},
    {"disconnect", {}, {"flush serial disable", "modem control disable", "timeout 0", "write"}},
}};

const LevelRule& Rule(int level) { return kLevels[std::size_t(level)]; }

int LevelNamed(const char* name) {
  for (std::size_t i = 0; i < kLevels.size(); ++i) {
    if (qstrcmp(kLevels[i].name, name) == 0) return int(i);
  }
  return 0;
}

bool Matches(const char* pattern, const QByteArray& line) {
  const QByteArray p(pattern);
  if (p.endsWith('*')) return line.startsWith(p.chopped(1)) && line.size() > p.size() - 1;
  return line == p;
}

// A data key: the digits of one of the three sizes, capitals only.
bool IsKey(const QByteArray& value) {
  static const QRegularExpression digits("^[0-9A-F]+$");
  const qsizetype n = value.size();
  return (n == 32 || n == 48 || n == 64) && digits.match(QString::fromLatin1(value)).hasMatch();
}

bool IsPort(const QByteArray& value) {
  bool ok = false;
  const int port = value.toInt(&ok);
  return ok && port >= 0 && port <= 9999;
}

}  // namespace

XPortArCommandLine::XPortArCommandLine(const DeviceOptions& options, LinkKind link)
    : m_options(options), m_link(link) {}

QByteArray XPortArCommandLine::ProductBlock() const {
  return "\r\nProduct Information:\r\n"
         "  Product Type        : XPort AR (0x6C)\r\n"
         "  FW Version / Date   : " +
         m_options.firmware.toUtf8() +
         " / Jan 10 2026\r\n"
         "  Serial Number       : " +
         m_options.MacText() + "\r\n";
}

ModuleReply XPortArCommandLine::PowerOn() {
  m_state = State::kBooting;
  m_input.clear();
  m_levels.clear();
  ModuleReply reply;
  reply.events << "reset";
  return reply;
}

// The module has no setup port: a connection gets nothing.
ModuleReply XPortArCommandLine::Connect() { return {}; }

ModuleReply XPortArCommandLine::TimerExpired() {
  if (m_state != State::kRestarting) return {};
  return PowerOn();
}

QByteArray XPortArCommandLine::Prompt() const {
  if (m_levels.isEmpty()) return ">";
  if (m_levels.size() == 1) return "enable#";
  return QByteArray("config-") + Rule(m_levels.last()).name + "#";
}

ModuleReply XPortArCommandLine::Receive(char byte) {
  ModuleReply reply;
  if (m_link != LinkKind::kSerial) return reply;
  const bool afterQuiet = std::exchange(m_afterQuiet, false);
  if (byte == '!' && afterQuiet && m_options.powerCycleWhenAsked && m_state != State::kBooting) {
    reply.events << "power-cycle";
    reply.Append(PowerOn());
    return reply;
  }
  switch (m_state) {
    case State::kOff:
    case State::kRestarting: return reply;
    case State::kBooting:
      // The boot catch: a "!" within the boot answers "!".
      if (byte == '!' && !m_options.fail.noBanner) {
        m_state = State::kCaught;
        reply.output = "!";
        reply.events << "boot-catch";
      }
      return reply;
    case State::kCaught:
      if (byte == '!' && m_input.isEmpty()) return reply;  // the rest of the tool's cycle
      m_input += byte;
      if (m_input == "xyz") {
        m_input.clear();
        m_state = State::kCommandLine;
        reply.events << "command-line";
        reply.output = "\r\n" + Prompt();
        reply.answerEnded = true;
      } else if (!QByteArray("xyz").startsWith(m_input)) {
        reply.events << "unexpected:" + QString::fromLatin1(m_input) + " (wanted xyz)";
        reply.answerEnded = true;
        m_input.clear();
      }
      return reply;
    case State::kCommandLine:
      if (byte == '\n') return reply;
      if (byte != '\r') {
        m_input += byte;
        return reply;
      }
      reply = CommandLine(m_input);
      m_input.clear();
      reply.answerEnded = true;
      return reply;
  }
  return reply;
}

ModuleReply XPortArCommandLine::CommandLine(const QByteArray& line) {
  ModuleReply reply;
  const int level = m_levels.isEmpty() ? 0 : m_levels.last();
  const LevelRule& rule = Rule(level);
  if (line == "exit") {
    if (!m_levels.isEmpty()) m_levels.removeLast();
    reply.output = "\r\n" + Prompt();
    return reply;
  }
  if (line == "show" && level <= 1) {
    if (m_options.fail.shortShow) {
      reply.output = "\r\n?";
    } else if (m_options.fail.noProductInfo) {
      reply.output = "\r\nInformation unavailable\r\n" + Prompt();
    } else {
      reply.output = ProductBlock() + Prompt();
    }
    reply.events << "show";
    return reply;
  }
  if (line == "reload" && level <= 1) {
    m_state = State::kRestarting;
    reply.output = "\r\nRebooting...\r\n";
    reply.events << "reload";
    reply.timerMs = m_options.RealMilliseconds(kRestartSeconds);
    return reply;
  }
  for (const auto& [opener, next] : rule.openers) {
    if (line == opener) {
      m_levels.append(LevelNamed(next));
      reply.output = "\r\n" + Prompt();
      return reply;
    }
  }
  for (const char* command : rule.commands) {
    if (!Matches(command, line)) continue;
    const QByteArray value = line.mid(QByteArray(command).size() - 1);
    const bool keyLine = line.startsWith("aes ");
    const bool portLine = QByteArray(command).endsWith("port *");
    if ((keyLine && !IsKey(value)) || (portLine && !IsPort(value))) break;
    reply.output = "\r\n" + Prompt();
    return reply;
  }
  reply.events << "unexpected:" + QString::fromLatin1(line) + " (at " + QString::fromLatin1(Prompt()) + ")";
  reply.output = "\r\nERROR: unknown command\r\n" + Prompt();
  return reply;
}

}  // namespace dorvane::sim
