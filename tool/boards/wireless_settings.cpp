#include "boards/wireless_settings.h"

#include "base/localised_text.h"
#include "base/text_trim.h"

namespace dorvane {

std::vector<std::string> SuiteTexts(Topology topology) {
  std::vector<std::string> texts = {LoadText(1111), LoadText(1116)};
  if (topology == Topology::Infrastructure) {
    texts.push_back(LoadText(1117));
    texts.push_back(LoadText(1118));
  }
  return texts;
}

bool SuiteOffered(Topology topology, Suite suite) {
  return static_cast<std::size_t>(suite) < SuiteTexts(topology).size();
}

std::vector<std::string> EncryptionTexts(Suite suite) {
  const std::string wep = LoadText(1116);
  const std::string tkip = LoadText(1120);
  const std::string ccmp = LoadText(1119);
  switch (suite) {
    case Suite::WEP: return {wep + " 64", wep + " 128"};
    case Suite::WPA: return {tkip, tkip + "+" + wep};
    case Suite::WPA2: return {ccmp, ccmp + "+" + tkip, ccmp + "+" + wep, tkip, tkip + "+" + wep};
    case Suite::None: break;
  }
  return {};
}

int HexKeyLength(Suite suite, int encryptionIndex) {
  if (suite != Suite::WEP) return 64;
  return encryptionIndex == 1 ? 26 : 10;
}

std::optional<KeyWidth> EncryptionKeyWidth(Suite suite, int encryptionIndex, KeyChange change) {
  if (suite == Suite::None || change == KeyChange::No) return std::nullopt;
  if (change == KeyChange::Passphrase) {
    return KeyWidth{kPassphraseMaximum,
                    "Strongly recommended to use a passphrase of 20 characters or more, 63 characters maximum."};
  }
  const int length = HexKeyLength(suite, encryptionIndex);
  return KeyWidth{length, std::to_string(length) + " Hexadecimal characters (0-9, A-F)"};
}

WirelessKeyCheck CheckEncryptionKey(Suite suite, int encryptionIndex, KeyChange change, const std::string& keyText) {
  WirelessKeyCheck check;
  check.key = keyText;
  if (suite == Suite::None || change == KeyChange::No) return check;
  const std::size_t length = TrimBlanks(keyText, " \t").size();
  if (change == KeyChange::Passphrase) {
    if (length > static_cast<std::size_t>(kPassphraseMaximum)) {
      check.key = keyText.substr(0, kPassphraseMaximum);
    } else if (length == 0) {
      check.usable = false;
      check.message = Message{LoadText(1073), LoadText(1077), Question::Icon::Critical};
    } else if (length < static_cast<std::size_t>(kPassphraseRecommended)) {
      check.message = Message{LoadText(1067), LoadText(1078), Question::Icon::Exclamation};
    }
    return check;
  }
  const std::size_t required = static_cast<std::size_t>(HexKeyLength(suite, encryptionIndex));
  if (length > required) {
    check.key = keyText.substr(0, required);
  } else if (length < required) {
    check.usable = false;
    check.message = Message{LoadText(1073), LoadText(1075) + " " + std::to_string(required) + " " + LoadText(1076),
                            Question::Icon::Critical};
  }
  return check;
}

}  // namespace dorvane
