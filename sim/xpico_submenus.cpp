#include "sim/xpico_submenus.h"

#include <QRegularExpression>

#include "sim/security_menu.h"

namespace dorvane::sim {

namespace {

constexpr int kV68 = 608;
constexpr int kV610 = 610;

using Question = StrictMenu::Question;
using Form = StrictMenu::Form;

bool IsNumberUpTo(const QByteArray& text, int digits, int highest) {
  static const QRegularExpression number("^[0-9]+$");
  if (text.size() > digits || !number.match(QString::fromLatin1(text)).hasMatch()) return false;
  return text.toInt() <= highest;
}

// The four fields of an address, asked one by one.
QList<Question> AddressFields(const char* const (&ids)[4], const char* label, const QStringList& allowed = {}) {
  QList<Question> fields;
  for (int i = 0; i < 4; ++i) {
    fields.append({ids[i], QByteArray(i == 0 ? label : "") + "(000) ", Form::kLine, allowed});
  }
  return fields;
}

const char* const kAddress[4] = {"address-1", "address-2", "address-3", "address-4"};
const char* const kGateway[4] = {"gateway-1", "gateway-2", "gateway-3", "gateway-4"};
const char* const kRemote[4] = {"remote-1", "remote-2", "remote-3", "remote-4"};

QList<Question> ServerQuestions(int firmware) {
  QList<Question> q = AddressFields(kAddress, "IP Address : ");
  q.append({"set-gateway", "Set Gateway IP Address (N) ? ", Form::kKey});
  q.append({"host-bits", "Netmask: Number of Bits for Host Part (0=default) (8) ", Form::kLine});
  if (firmware >= kV68) q.append({"telnet-password", "Change telnet config password (N) ? ", Form::kKey, {"N"}});
  q.append({"autoip", "Disable AutoIP (N) ? ", Form::kKey, {"N"}});
  if (firmware >= kV68) q.append({"dhcp-fqdn", "Enable DHCP FQDN option (N) ? ", Form::kKey, {"N"}});
  return q;
}

QList<Question> ChannelQuestions() {
  QList<Question> q = {
      {"baud", "Baudrate (9600) ? ", Form::kLine, {"57600", "115200"}},
      {"interface", "I/F Mode (4C) ? ", Form::kLine, {"4C"}},
      {"flow", "Flow (00) ? ", Form::kLine, {"00"}},
      {"local-port", "Port No (10001) ? ", Form::kLine},
      {"connect-mode", "ConnectMode (C0) ? ", Form::kLine, {"06", "C0"}},
      {"modem-pluses", "Send '+++' in Modem Mode (Y) ? ", Form::kKey, {"Y"}},
      {"ring-address", "Show IP addr after 'RING' (Y) ? ", Form::kKey, {"N"}},
      {"auto-increment", "Auto increment source port (N) ? ", Form::kKey, {"N"}},
  };
  q += AddressFields(kRemote, "Remote IP Address : ", {"000"});
  q.append(QList<Question>{
      {"remote-port", "Remote Port (0) ? ", Form::kLine},
      {"disconnect-mode", "DisConnMode (00) ? ", Form::kLine, {"00"}},
      {"flush-mode", "FlushMode (00) ? ", Form::kLine, {"80"}},
      {"pack-control", "Pack Cntrl (00) ? ", Form::kLine, {"01"}},
      {"disconnect-minutes", "DisConnTime (00:00) ?", Form::kLine, {"15"}},
      {"disconnect-seconds", ":", Form::kLine, {"00"}},
      {"send-char-1", "SendChar 1 (00) ? ", Form::kLine, {"00"}},
      {"send-char-2", "SendChar 2 (00) ? ", Form::kLine, {"00"}},
  });
  return q;
}

QList<Question> EthernetQuestions() {
  return {
      {"keepalive", "TCP Keepalive time in s (1s - 65s; 0s=disable): (45) ? ", Form::kLine, {"45"}},
      {"arp-cache", "ARP Cache timeout in s (1s - 600s) : (600) ? ", Form::kLine, {"600"}},
      {"cpu-mode", "CPU Performance (0=Regular, 1=Low, 2=High): (0) ? ", Form::kLine, {"0"}},
      {"monitor-boot", "Disable Monitor Mode @ bootup (N) ? ", Form::kKey, {"N"}},
      {"http-port", "HTTP Port Number : (80) ? ", Form::kLine, {"80"}},
      {"mtu", "MTU Size (512 - 1400): (1400) ? ", Form::kLine, {"1400"}},
      {"retransmission", "TCP Re-transmission timeout in ms (500 - 4000) (500) ? ", Form::kLine, {"500"}},
      {"alternate-mac", "Enable alternate MAC (N) ? ", Form::kKey, {"N"}},
      {"ethernet", "Ethernet connection type: (0) ? ", Form::kLine, {"0", "2", "3", "4", "5"}},
  };
}

QList<Question> SecurityQuestions() {
  return {
      {"snmp", "Disable SNMP (N) ? ", Form::kKey, {"Y"}},
      {"snmp-community", "Change SNMP community name (N) ? ", Form::kKey, {"N"}},
      {"telnet", "Disable Telnet Setup (N) ? ", Form::kKey, {"N"}},
      {"port-77fe", "Disable Port 77FE (Hex) (N) ? ", Form::kKey},
      {"tftp", "Disable TFTP Firmware Update (N) ? ", Form::kKey, {"Y"}},
      {"web", "Disable Web Server (N) ? ", Form::kKey, {"Y"}},
      {"echo", "Disable ECHO ports (Y) ? ", Form::kKey, {"Y"}},
      {"encryption", "Enable Encryption (N) ? ", Form::kKey},
      {"enhanced-password", "Enable Enhanced Password (N) ? ", Form::kKey, {"N"}},
      {"port-77f0", "Disable Port 77F0 (Hex) (N) ? ", Form::kKey, {"Y"}},
  };
}

QByteArray Title(int choice) {
  switch (choice) {
    case 0: return "Server";
    case 1: return "Channel 1";
    case 5: return "Ethernet";
    default: return "Security";
  }
}

// The ids whose accepted answer is logged as it came.
bool Logged(const QByteArray& id) {
  static const QByteArrayList ids = {"host-bits",   "baud",     "local-port", "connect-mode",
                                     "remote-port", "ethernet", "port-77fe"};
  return ids.contains(id);
}

}  // namespace

XPicoSubmenu::XPicoSubmenu(const DeviceOptions& options, int choice)
    : m_firmware(FirmwareNumber(options.firmware)), m_choice(choice) {}

bool XPicoSubmenu::Exists(int choice) { return choice == 0 || choice == 1 || choice == 5 || choice == 6; }

ModuleReply XPicoSubmenu::Open() {
  switch (m_choice) {
    case 0: return OpenWith(Title(m_choice), ServerQuestions(m_firmware));
    case 1: return OpenWith(Title(m_choice), ChannelQuestions());
    case 5: return OpenWith(Title(m_choice), EthernetQuestions());
    default: return OpenWith(Title(m_choice), SecurityQuestions());
  }
}

ModuleReply XPicoSubmenu::Answered(const QByteArray& answer) {
  const QByteArray id = Current().id;
  const bool yes = answer.toUpper() == "Y";
  ModuleReply reply;
  reply.output = answer;
  reply.answerEnded = true;
  if (id.startsWith("address-") || id.startsWith("gateway-")) {
    if (!IsNumberUpTo(answer, 3, 255) || answer.size() != 3) return Unexpected("three digits, 000 to 255", answer);
    AddressField(id, answer, reply);
  } else if (id == "host-bits" && !IsNumberUpTo(answer, 2, 32)) {
    return Unexpected("host bits, 0 to 32", answer);
  } else if ((id == "local-port" || id == "remote-port") && !IsNumberUpTo(answer, 5, 65535)) {
    return Unexpected("a port, 0 to 65535", answer);
  } else if (id == "set-gateway" && yes) {
    Follow(AddressFields(kGateway, "Gateway IP addr "));
  } else if (id == "autoip" && m_unsetAddress) {
    Follow({{"dhcp-name", "Change DHCP device name (not set) ? (N) ", Form::kKey, {"N"}}});
  } else if (id == "port-77fe" && !yes && m_firmware >= kV610) {
    Follow({{"port-77fe-read-only", "Enable 77FE read-only access, press Enter ", Form::kLine, {""}}});
  } else if (id == "encryption") {
    if (yes) Follow({{"key-length", "Key length in bits (128): ", Form::kLine, {"128", "192", "256"}}});
    if (!yes) reply.events << "encryption:none";
  } else if (id == "key-length") {
    const int bits = answer.toInt();
    ExpectKeyDigits(bits / 4, "key:%1 pairs");
    reply.events << QString("encryption:%1").arg(bits);
    Follow({{"change-keys", "Change keys (N) ? ", Form::kKey, {"Y"}}, {"key", "Enter Key: ", Form::kKeyDigits}});
  }
  if (Logged(id)) reply.events << QString("%1:%2").arg(QString::fromLatin1(id), QString::fromLatin1(answer));
  return Next(reply);
}

void XPicoSubmenu::AddressField(const QByteArray& id, const QByteArray& answer, ModuleReply& reply) {
  if (id.endsWith("-1")) m_fields.clear();
  m_fields << answer;
  if (m_fields.size() != 4) return;
  const QByteArray name = id.left(id.indexOf('-'));
  reply.events << QString("%1:%2").arg(QString::fromLatin1(name), QString::fromLatin1(m_fields.join('.')));
  if (name != "address") return;
  auto value = [this](int i) { return m_fields[i].toInt(); };
  m_unsetAddress = value(0) == 0 && value(1) == 0 && value(3) == 0 && (value(2) == 0 || value(2) == 1);
}

}  // namespace dorvane::sim
