#include "sim/setup_menu.h"

#include <utility>

namespace dorvane::sim {

namespace {

constexpr double kLeaveSeconds = 1.0;

const char kMenu[] =
    "\r\n"
    "Dorvane device server setup\r\n"
    "0 Server\r\n"
    "1 Channel 1\r\n"
    "5 Ethernet\r\n"
    "6 Security\r\n"
    "7 Defaults\r\n"
    "8 Exit without save\r\n"
    "9 Save and exit\r\n"
    "Your choice ? ";

const char kSubmenuPrompt[] = "\r\n? ";

const char* SubmenuTitle(int choice) {
  switch (choice) {
    case 0: return "Server";
    case 1: return "Channel 1";
    case 5: return "Ethernet";
    case 6: return "Security";
    default: return nullptr;
  }
}

bool IsKey(char byte) { return byte == 'Y' || byte == 'N' || byte == 'y' || byte == 'n'; }

ModuleReply Say(const QByteArray& output) {
  ModuleReply reply;
  reply.output = output;
  return reply;
}

}  // namespace

SetupMenu::SetupMenu(const DeviceOptions& options, LinkKind link)
    : m_options(options), m_link(link), m_monitor(options) {}

QByteArray SetupMenu::Banner() const {
  const QByteArray prompt =
      m_options.banner == BannerStyle::kNew ? "Press Enter for Setup Mode" : "Press Enter to go into Setup Mode";
  const QByteArray identity =
      "MAC address " + m_options.MacText() + "\r\nSoftware version " + m_options.firmware.toUtf8() + ". (260101)\r\n";
  if (m_link == LinkKind::kTcp) return identity + prompt + "\r\n";
  return "\r\n*** Dorvane device server ***\r\n" + identity + "\r\n" + prompt + "\r\n";
}

ModuleReply SetupMenu::PowerOn() {
  m_state = State::kListening;
  m_answer.clear();
  ModuleReply reply;
  reply.events << "reset";
  const int window = m_options.WakeWindowMilliseconds();
  if (window > 0) reply.timerMs = window;
  return reply;
}

ModuleReply SetupMenu::Connect() { return Greet(); }

ModuleReply SetupMenu::Greet() {
  m_state = State::kGreeted;
  ModuleReply reply;
  if (m_options.fail.noBanner) return reply;
  reply.output = Banner();
  reply.events << "banner";
  return reply;
}

void SetupMenu::LineWasQuiet() { m_afterQuiet = true; }

ModuleReply SetupMenu::PowerCycle() {
  ModuleReply reply;
  reply.events << "power-cycle";
  reply.Append(PowerOn());
  return reply;
}

ModuleReply SetupMenu::Receive(char byte) {
  const bool afterQuiet = std::exchange(m_afterQuiet, false);
  if (byte == 'x' && m_options.powerCycleWhenAsked && m_link == LinkKind::kSerial && m_state != State::kListening) {
    // Off or asleep the board is deaf to any x; past its greeting only a
    // quiet line tells a new run from the rest of the current one.
    const bool deaf = m_state == State::kOff || m_state == State::kAsleep;
    if (deaf || afterQuiet) return PowerCycle();
  }
  switch (m_state) {
    case State::kListening:
      // A module that stays silent keeps listening, so the tool's wake-up loop
      // runs on as it would against a dead board.
      if (byte == 'x' && !m_options.fail.noBanner) return Greet();
      return {};
    case State::kGreeted:
      if (byte == '\r') return EnterSetup();
      if (byte == 'M' && m_link == LinkKind::kTcp) {
        m_state = State::kMonitor;
        return m_monitor.Enter();
      }
      return {};
    case State::kSecurity: return StrictAnswer(m_security, byte);
    case State::kWlan: return StrictAnswer(m_wlan, byte);
    case State::kMonitor: {
      ModuleReply reply = m_monitor.Receive(byte);
      if (m_monitor.Left()) m_state = State::kGreeted;
      return reply;
    }
    case State::kMainMenu:
    case State::kSubmenu:
      if (byte == '\n') return {};
      if (byte == '\r') {
        const QByteArray text = m_answer;
        m_answer.clear();
        return CompleteAnswer(text, false);
      }
      if (m_answer.isEmpty() && IsKey(byte)) return CompleteAnswer(QByteArray(1, byte), true);
      m_answer += byte;
      return {};
    default: return {};
  }
}

ModuleReply SetupMenu::TimerExpired() {
  switch (m_state) {
    case State::kListening: m_state = State::kAsleep; return {};
    case State::kLeaving: return m_link == LinkKind::kSerial ? PowerOn() : HangUp();
    case State::kMonitor: return m_monitor.TimerExpired();
    default: return {};
  }
}

ModuleReply SetupMenu::EnterSetup() {
  m_state = State::kMainMenu;
  m_answers = 0;
  m_tainted = false;
  m_answer.clear();
  ModuleReply reply;
  reply.events << "setup";
  reply.answerEnded = true;
  if (AnswerLimitReached()) {
    reply.Append(Die());
    return reply;
  }
  reply.output = kMenu;
  return reply;
}

bool SetupMenu::AnswerLimitReached() const {
  return m_options.fail.closeAfter && m_answers >= *m_options.fail.closeAfter;
}

ModuleReply SetupMenu::CompleteAnswer(const QByteArray& text, bool singleKey) {
  ++m_answers;
  ModuleReply reply;
  if (AnswerLimitReached()) {
    reply = Die();
  } else if (m_state == State::kMainMenu) {
    reply = singleKey ? Say(text + kMenu) : MainMenuChoice(text);
  } else if (m_submenuLeft) {
    CountServerAnswer(text);
    reply.output = text + kSubmenuPrompt;
    if (--*m_submenuLeft <= 0) {
      m_submenuLeft.reset();
      m_state = State::kMainMenu;
      reply.output = text + "\r\n" + kMenu;
    }
  } else if (!singleKey && text.trimmed().isEmpty()) {
    m_state = State::kMainMenu;
    reply.output = kMenu;
  } else {
    reply.output = text + kSubmenuPrompt;
  }
  reply.answerEnded = true;
  return reply;
}

ModuleReply SetupMenu::MainMenuChoice(const QByteArray& text) {
  bool isNumber = false;
  const int choice = text.trimmed().toInt(&isNumber);
  if (isNumber && choice == 9) return Save(text);
  if (isNumber && choice == 8) return Leave("exit", text + "\r\n\r\nExit without save\r\n");
  if (isNumber && choice == 7) return Say(text + "\r\nDefaults restored\r\n" + kMenu);
  const bool strictSecurity = m_options.kind != ModuleKind::kBoardSetupMenu;
  if (isNumber && choice == 6 && strictSecurity) {
    m_state = State::kSecurity;
    m_security.emplace(m_options, m_options.kind != ModuleKind::kWirelessSetupMenu);
    ModuleReply reply = m_security->Open();
    reply.output.prepend(text);
    return reply;
  }
  if (isNumber && choice == 4 && Wireless()) {
    m_state = State::kWlan;
    m_wlan.emplace();
    ModuleReply reply = m_wlan->Open();
    reply.output.prepend(text);
    return reply;
  }
  const char* title = isNumber ? SubmenuTitle(choice) : nullptr;
  if (!title) return Say(text + kMenu);
  m_state = State::kSubmenu;
  m_submenuChoice = choice;
  m_submenuAnswers.clear();
  m_submenuLeft = Wireless() ? WirelessAnswerCount(choice) : std::nullopt;
  return Say(text + "\r\n\r\n" + title + kSubmenuPrompt);
}

ModuleReply SetupMenu::Save(const QByteArray& text) {
  if (m_tainted) return Leave("not-saved", text + "\r\n\r\nInvalid settings, parameters not stored\r\n");
  if (m_options.fail.noSaveConfirm) return Leave("saved-unconfirmed", text + "\r\n\r\n");
  return Leave("saved", text + "\r\n\r\nParameters stored ...\r\n");
}

template <typename Menu>
ModuleReply SetupMenu::StrictAnswer(std::optional<Menu>& menu, char byte) {
  ModuleReply reply = menu->Receive(byte);
  if (reply.answerEnded) {
    ++m_answers;
    if (AnswerLimitReached()) return Die();
  }
  if (menu->Finished()) {
    m_tainted = m_tainted || menu->Tainted();
    menu.reset();
    m_state = State::kMainMenu;
    reply.output += kMenu;
  }
  return reply;
}

bool SetupMenu::Wireless() const {
  return m_options.kind == ModuleKind::kWirelessSetupMenu || m_options.kind == ModuleKind::kEncryptedWirelessSetupMenu;
}

std::optional<int> SetupMenu::WirelessAnswerCount(int choice) const {
  // The firmware asks what the tool's banner scan tells it to answer: the
  // versions it knows, 6.5 to 6.10.
  const int firmware = FirmwareNumber(m_options.firmware);
  auto atLeast = [firmware](int version) { return firmware >= version && firmware <= 610; };
  const bool newPrompt = m_options.banner == BannerStyle::kNew;
  switch (choice) {
    // Mode, address, gateway key and fields, host bits, telnet password,
    // and DHCP name from 6.8.
    case 0: return 12 + (atLeast(608) ? 1 : 0);
    // Baud, interface, flow, port, connect mode, the modem keys of the new
    // firmware, remote address and port, and seven line settings.
    case 1: return 17 + (newPrompt ? 2 + (atLeast(605) ? 1 : 0) : 0);
    // Eight settings kept at their defaults, then the connection type.
    case 5: return 9;
    default: return std::nullopt;
  }
}

void SetupMenu::CountServerAnswer(const QByteArray& text) {
  if (m_submenuChoice != 0) return;
  m_submenuAnswers << text;
  // Answers 2 to 5 are the address's fields.
  if (m_submenuAnswers.size() != 5) return;
  const QByteArrayList fields = m_submenuAnswers.mid(1, 4);
  auto value = [&fields](int i) { return fields[i].toInt(); };
  if (value(0) == 0 && value(1) == 0 && value(3) == 0 && (value(2) == 0 || value(2) == 1)) ++*m_submenuLeft;
}

ModuleReply SetupMenu::Leave(const char* event, const QByteArray& farewell) {
  m_state = State::kLeaving;
  ModuleReply reply;
  reply.output = farewell;
  reply.events << event;
  reply.timerMs = m_options.RealMilliseconds(kLeaveSeconds);
  return reply;
}

ModuleReply SetupMenu::HangUp() {
  ModuleReply reply;
  reply.hangUp = true;
  return reply;
}

ModuleReply SetupMenu::Die() {
  m_state = State::kDead;
  ModuleReply reply;
  reply.events << "dropped";
  reply.hangUp = true;
  return reply;
}

}  // namespace dorvane::sim
