#include "sim/wlan_menu.h"

namespace dorvane::sim {

namespace {

QStringList Range(int first, int last) {
  QStringList values;
  for (int i = first; i <= last; ++i) values << QString::number(i);
  return values;
}

}  // namespace

ModuleReply WlanMenu::Open() {
  return OpenWith("WLAN", {{"topology", "Topology 0=Infrastructure, 1=Adhoc (0) ? ", Form::kLine, Range(0, 1)}});
}

ModuleReply WlanMenu::Answered(const QByteArray& answer) {
  const QString text = QString::fromLatin1(answer);
  ModuleReply reply;
  reply.output = answer;
  reply.answerEnded = true;
  const QByteArray id = Current().id;
  const int value = text.toInt();
  if (id != "passphrase") reply.events << QString("wlan:%1 %2").arg(QString::fromLatin1(id), text);
  if (id == "topology") {
    m_adhoc = value == 1;
    QList<Question> next = {{"network-name", "\r\nNetwork name (SSID) () ? ", Form::kLine, {}}};
    if (m_adhoc) next.append({"channel", "\r\nChannel (1) ? ", Form::kLine, Range(1, 11)});
    next.append({"security", "\r\nSecurity suite 0=none, 1=WEP, 2=WPA, 3=WPA2/802.11i (0) ? ", Form::kLine,
                 Range(0, m_adhoc ? 1 : 3)});
    Follow(next);
  } else if (id == "security") {
    m_suite = value;
    QList<Question> after = {{"tx-rate-mode", "\r\nTX data rate 0=fixed, 1=auto fallback (1) ? ", Form::kLine,
                              Range(0, 1)},
                             {"tx-rate", "\r\nTX data rate 0..7 (3) ? ", Form::kLine, Range(0, 7)}};
    if (!m_adhoc) after.append({"power-management", "\r\nEnable power management (N) ? ", Form::kLine, {"Y", "N"}});
    Follow(after);
    if (m_suite == 1) {
      Follow({{"authentication", "\r\nAuthentication 0=open/none, 1=shared (0) ? ", Form::kLine, Range(0, 1)},
              {"wep-encryption", "\r\nEncryption 1=WEP64, 2=WEP128 (1) ? ", Form::kLine, Range(1, 2)},
              {"display-key", "\r\nDisplay current key (N) ? ", Form::kKey, {}},
              {"change-key", "\r\nChange key (N) ? ", Form::kKey, {}},
              {"tx-key-index", "\r\nTX key index (1) ? ", Form::kLine, Range(1, 4)}});
    } else if (m_suite >= 2) {
      Follow({{"display-key", "\r\nDisplay current key (N) ? ", Form::kKey, {}},
              {"change-key", "\r\nChange key (N) ? ", Form::kKey, {}},
              {"wpa-encryption", "\r\nEncryption (0) ? ", Form::kLine, Range(0, m_suite == 2 ? 1 : 4)}});
    }
  } else if (id == "wep-encryption") {
    m_wepEncryption = value;
  } else if (id == "change-key" && answer.toUpper() == "Y") {
    Follow({{"key-type", "\r\nKey type 0=hexadecimal, 1=passphrase (0) ? ", Form::kLine, Range(0, 1)}});
  } else if (id == "key-type") {
    if (value == 0) {
      ExpectKeyDigits(m_suite == 1 ? (m_wepEncryption == 2 ? 26 : 10) : 64, "wlan:key %1 pairs");
      Follow({{"key", "\r\nEnter Key: ", Form::kKeyDigits, {}}});
    } else {
      Follow({{"passphrase", "\r\nPassphrase: ", Form::kLine, {}}});
    }
  } else if (id == "passphrase") {
    reply.events << QString("wlan:passphrase %1 characters").arg(answer.size());
  }
  return Next(reply);
}

}  // namespace dorvane::sim
