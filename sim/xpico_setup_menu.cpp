#include "sim/xpico_setup_menu.h"

#include <utility>

namespace dorvane::sim {

namespace {

constexpr double kRestartSeconds = 1.0;

const char kMenu[] =
    "\r\n"
    "Change Setup:\r\n"
    "  0 Server\r\n"
    "  1 Channel 1\r\n"
    "  5 Ethernet\r\n"
    "  6 Security\r\n"
    "  9 Save and exit\r\n"
    "Your choice ? ";

}  // namespace

XPicoSetupMenu::XPicoSetupMenu(const DeviceOptions& options, LinkKind link) : m_options(options), m_link(link) {}

QByteArray XPicoSetupMenu::Banner() const {
  const QByteArray product = m_options.fail.noXPico ? "Dorvane device server" : "Dorvane XPICO device server";
  return "\r\n*** " + product + " ***\r\nMAC address " + m_options.MacText() + "\r\nSoftware version " +
         m_options.firmware.toUtf8() + ". (260101)\r\n\r\nPress Enter for Setup Mode\r\n";
}

ModuleReply XPicoSetupMenu::PowerOn() {
  m_state = State::kListening;
  m_answer.clear();
  m_submenu.reset();
  ModuleReply reply;
  reply.events << "reset";
  const int window = m_options.WakeWindowMilliseconds();
  if (window > 0) reply.timerMs = window;
  return reply;
}

ModuleReply XPicoSetupMenu::TimerExpired() {
  if (m_state == State::kListening) m_state = State::kAsleep;
  if (m_state == State::kRestarting) return PowerOn();
  return {};
}

ModuleReply XPicoSetupMenu::Receive(char byte) {
  if (m_link != LinkKind::kSerial) return {};
  const bool afterQuiet = std::exchange(m_afterQuiet, false);
  if (byte == 'x' && m_options.powerCycleWhenAsked && m_state != State::kListening) {
    // As on the boards: deaf while off or asleep, and past the banner only
    // a quiet line tells a new run from the rest of the current one.
    if (m_state == State::kOff || m_state == State::kAsleep || afterQuiet) {
      ModuleReply reply;
      reply.events << "power-cycle";
      reply.Append(PowerOn());
      return reply;
    }
  }
  switch (m_state) {
    case State::kListening: {
      if (byte != 'x' || m_options.fail.noBanner) return {};
      m_state = State::kGreeted;
      ModuleReply reply;
      reply.output = Banner();
      reply.events << "banner";
      return reply;
    }
    case State::kGreeted: return Greeted(byte);
    case State::kRecords: return Records(byte);
    case State::kMainMenu: return MainMenu(byte);
    case State::kSubmenu: return Submenu(byte);
    default: return {};
  }
}

ModuleReply XPicoSetupMenu::Greeted(char byte) {
  // The rest of the tool's wake-up cycle.
  if (byte == 'x') return {};
  if (byte == 'M') return Entered(State::kRecords, m_loader.Enter());
  if (byte == '\r') {
    ModuleReply reply;
    reply.events << "setup";
    reply.output = kMenu;
    reply.answerEnded = true;
    m_tainted = false;
    return Entered(State::kMainMenu, reply);
  }
  ModuleReply reply;
  reply.events << QString("unexpected:banner wants M or CR, got \"%1\"").arg(QString::fromLatin1(QByteArray(1, byte)));
  reply.answerEnded = true;
  return reply;
}

ModuleReply XPicoSetupMenu::Entered(State state, ModuleReply reply) {
  m_state = state;
  m_answers = 0;
  m_answer.clear();
  if (m_options.fail.closeAfter && *m_options.fail.closeAfter == 0) return Counted(reply);
  return reply;
}

ModuleReply XPicoSetupMenu::Counted(ModuleReply reply) {
  if (reply.answerEnded) ++m_answers;
  if (!m_options.fail.closeAfter || m_answers < *m_options.fail.closeAfter) return reply;
  // Dies before acting on the answer: nothing of the reply goes out.
  m_state = State::kDead;
  ModuleReply dropped;
  dropped.events << "dropped";
  dropped.hangUp = true;
  dropped.answerEnded = true;
  return dropped;
}

ModuleReply XPicoSetupMenu::Records(char byte) {
  ModuleReply reply = Counted(m_loader.Receive(byte));
  if (m_state == State::kRecords && m_loader.Restarting()) return Restart(reply);
  return reply;
}

ModuleReply XPicoSetupMenu::Restart(ModuleReply reply) {
  m_state = State::kRestarting;
  reply.timerMs = m_options.RealMilliseconds(kRestartSeconds);
  return reply;
}

ModuleReply XPicoSetupMenu::MainMenu(char byte) {
  if (byte != '\r') {
    if (byte != '\n') m_answer += byte;
    return {};
  }
  ModuleReply reply;
  reply.answerEnded = true;
  reply = Counted(reply);
  if (m_state == State::kDead) return reply;
  return Choice(std::exchange(m_answer, {}));
}

ModuleReply XPicoSetupMenu::Choice(const QByteArray& text) {
  ModuleReply reply;
  reply.answerEnded = true;
  bool isNumber = false;
  const int choice = text.toInt(&isNumber);
  if (text.isEmpty()) {
    reply.output = kMenu;
  } else if (isNumber && choice == 9) {
    return Save(text);
  } else if (isNumber && XPicoSubmenu::Exists(choice)) {
    m_state = State::kSubmenu;
    m_submenu.emplace(m_options, choice);
    reply.Append(m_submenu->Open());
    reply.output.prepend(text);
  } else {
    m_tainted = true;
    reply.events
        << QString("unexpected:main-menu wants 0|1|5|6|9 or a bare CR, got \"%1\"").arg(QString::fromLatin1(text));
    reply.output = text + "\r\n?" + kMenu;
  }
  return reply;
}

ModuleReply XPicoSetupMenu::Submenu(char byte) {
  ModuleReply reply = Counted(m_submenu->Receive(byte));
  if (m_state == State::kDead || !m_submenu->Finished()) return reply;
  m_tainted = m_tainted || m_submenu->Tainted();
  m_submenu.reset();
  m_state = State::kMainMenu;
  reply.output += QByteArray("\r\n") + kMenu;
  return reply;
}

ModuleReply XPicoSetupMenu::Save(const QByteArray& text) {
  ModuleReply reply;
  reply.answerEnded = true;
  if (m_tainted) {
    reply.events << "not-saved";
    reply.output = text + "\r\n\r\nInvalid settings, parameters not stored\r\n";
  } else if (m_options.fail.noSaveConfirm) {
    reply.events << "saved-unconfirmed";
    reply.output = text + "\r\n\r\n";
  } else {
    reply.events << "saved";
    reply.output = text + "\r\n\r\nParameters stored ...\r\n";
  }
  return Restart(reply);
}

}  // namespace dorvane::sim
