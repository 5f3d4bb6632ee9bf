#include "sim/security_menu.h"

#include <QRegularExpression>

namespace dorvane::sim {

namespace {

bool IsYes(const QByteArray& answer) { return answer.toUpper() == "Y"; }

}  // namespace

int FirmwareNumber(const QString& firmware) {
  const QRegularExpressionMatch match = QRegularExpression(R"(^V?(\d+)\.(\d+))").match(firmware);
  if (!match.hasMatch()) return 9999;
  return match.captured(1).toInt() * 100 + match.captured(2).toInt();
}

SecurityMenu::SecurityMenu(const DeviceOptions& options, bool withEncryption)
    : m_afterV610(FirmwareNumber(options.firmware) >= 610) {
  m_opening = {
      {"snmp", "Disable SNMP (N) ? ", Form::kKey},
      {"snmp-community", "Change SNMP community name (N) ? ", Form::kKey},
      {"telnet", "Disable Telnet Setup (N) ? ", Form::kKey},
      {"port-77fe", "Disable Port 77FEh (N) ? ", Form::kKey},
      {"tftp", "Disable TFTP Firmware Update (N) ? ", Form::kKey},
  };
  // The older greeting belongs to firmware without a web server to lock.
  if (options.banner == BannerStyle::kNew) m_opening.append({"web", "Disable Web Server (N) ? ", Form::kKey});
  m_opening.append({"echo", "Disable ECHO ports (Y) ? ", Form::kKey});
  if (withEncryption) m_opening.append({"encryption", "Enable Encryption (N) ? ", Form::kKey});
  m_opening.append({"enhanced-password", "Enable Enhanced Password (N) ? ", Form::kKey});
  m_opening.append({"port-77f0", "Disable Port 77F0h (N) ? ", Form::kKey});
}

ModuleReply SecurityMenu::Open() { return OpenWith("Security", m_opening); }

ModuleReply SecurityMenu::Answered(const QByteArray& answer) {
  const QByteArray id = Current().id;
  ModuleReply reply;
  reply.output = answer;
  reply.answerEnded = true;
  if (id == "port-77fe" && !IsYes(answer) && m_afterV610) {
    Follow({{"port-77fe-access", "\r\nPort 77FEh access (R/W) ? ", Form::kLine}});
  } else if (id == "encryption" && IsYes(answer)) {
    Follow({{"key-length", "\r\nKey length in bits (128): ", Form::kLine}});
  } else if (id == "key-length") {
    bool ok = false;
    const int bits = answer.trimmed().toInt(&ok);
    if (!ok || (bits != 128 && bits != 192 && bits != 256)) return Unexpected("128, 192 or 256", answer);
    ExpectKeyDigits(bits / 4, "key:%1 pairs");
    reply.events << QString("encryption:%1").arg(bits);
    Follow({{"change-keys", "\r\nChange keys (N) ? ", Form::kKey}});
  } else if (id == "change-keys" && IsYes(answer)) {
    Follow({{"key", "\r\nEnter Key: ", Form::kKeyDigits}});
  }
  return Next(reply);
}

}  // namespace dorvane::sim
