// The wireless and encrypted wireless runs on the recording runner: each
// variant's sends and waits written out by hand from the wireless answer
// table (every answer followed by its two seconds), the progress step of
// every answer, and what the run does before the script: the cable
// instruction, the wake-up and its cancel.

#include <QtTest>
#include <algorithm>

#include "boards/wireless_setup_script.h"
#include "dialogue/recording_dialogue.h"
#include "dialogue/run_values.h"
#include "setup_menu_rows.h"

using namespace dorvane;
using namespace dorvane::testing;
using Kind = RecordingDialogue::Kind;

namespace {

const QString kWpaKey = "00112233445566778899AABBCCDDEEFF00112233445566778899AABBCCDDEEFF";
const QString kWep64Key = "0A1B2C3D4E";
const QString kData256 = "FFEEDDCCBBAA99887766554433221100FFEEDDCCBBAA99887766554433221100";

// The module answers the third "x" with its banner.
void SerialModule(RecordingDialogue& d, const char* version = "V6.10.0.", bool newPrompt = true) {
  std::string banner = Banner(version, newPrompt).toStdString();
  d.onSend = [banner](RecordingDialogue& module, std::string_view sent) {
    if (sent == "x" && module.Now() >= 1.8 && module.PromptSeen() == false) {
      module.ArriveSerial(module.Now() + 0.05, banner);
    }
  };
}

// The wake-up, the CR into the menu, "0" into the server menu and rows 1
// to 8 for a 6.8 or later module.
void WirelessServerRows(Seq& s, const QStringList& address, bool zeroAddressRow) {
  WakeUpTwoCycles(s);
  s.A("0\r");
  s.A("1\r").Wait(2);
  for (const QString& f : address) s.A(f + "\r");
  s.A("Y");
  for (int i = 0; i < 4; ++i) s.A("000\r");
  s.A("8\r").A("N");
  if (zeroAddressRow) s.A("N");
  s.A("N");
}

// Rows 9 to 20 for a 6.10 module with the new prompt.
void WirelessChannelRows(Seq& s, const QString& port13 = "3001", const QString& mode14 = "C0", const QString& port19 = "0") {
  s.A("1\r").A("57600\r").A("4C\r").A("00\r").A(port13 + "\r").A(mode14 + "\r");
  s.A("Y").A("N").A("N");
  for (int i = 0; i < 4; ++i) s.A("000\r");
  s.A(port19 + "\r");
  for (const char* a : {"00\r", "80\r", "01\r", "15\r", "00\r", "00\r", "00\r"}) s.A(a);
}

void Pairs(Seq& s, const QString& key) {
  for (int at = 0; at < key.size(); at += 2) s.A(key.mid(at, 2));
}

// Rows 31 to 33 and the security menu; the data key after 37a.
void EthernetAndSecurityRows(Seq& s, const QString& bits = {}, const QString& dataKey = {}) {
  s.A("5\r");
  for (int i = 0; i < 8; ++i) s.A("\r");
  s.A("0\r");
  s.A("6\r");
  for (const char* a : {"Y", "N", "N", "Y", "Y", "Y"}) s.A(a);
  if (bits.isEmpty()) {
    s.A("Y").A("N").A("Y");
  } else {
    s.A("Y").A("Y").A(bits + "\r").A("Y");
    Pairs(s, dataKey);
    s.A("N").A("Y");
  }
  s.Send("9\r");
}

const QStringList kAddress = {"192", "168", "001", "010"};

WirelessInputs Infrastructure() {
  WirelessInputs in;
  in.server.address = "192.168.001.010";
  in.wlan.networkName = "office";
  return in;
}

}  // namespace

class TestWirelessScript : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { LanguageOffset = kEnglishOffset; }

  void variants_data() {
    QTest::addColumn<int>("variant");
    QTest::addColumn<QStringList>("expected");
    Seq s(2);
    WirelessServerRows(s, kAddress, false);
    WirelessChannelRows(s);
    s.A("4\r").A("0\r").A("office\r").A("3\r");
    s.A("N").A("Y").A("0\r");
    Pairs(s, kWpaKey);
    s.A("0\r");
    s.A("1\r").A("3\r").A("N\r");
    EthernetAndSecurityRows(s);
    QTest::newRow("infrastructure, WPA2 CCMP, hexadecimal key: 32 groups") << 0 << s.Items();

    s = Seq(2);
    WirelessServerRows(s, kAddress, false);
    WirelessChannelRows(s);
    s.A("4\r").A("1\r").A("office\r").A("6\r").A("1\r");
    s.A("1\r").A("1\r").A("N").A("Y").A("0\r");
    Pairs(s, kWep64Key);
    s.A("2\r");
    s.A("0\r").A("7\r");
    EthernetAndSecurityRows(s);
    QTest::newRow("adhoc, WEP 64, hexadecimal key: 5 groups and the channel") << 1 << s.Items();

    s = Seq(2);
    WirelessServerRows(s, kAddress, false);
    WirelessChannelRows(s);
    s.A("4\r").A("0\r").A("office\r").A("1\r");
    s.A("0\r").A("2\r").A("N").A("Y").A("1\r").A("short phrase\r").A("1\r");
    s.A("1\r").A("3\r").A("N\r");
    EthernetAndSecurityRows(s);
    QTest::newRow("WEP 128, passphrase: one line") << 2 << s.Items();

    s = Seq(2);
    WirelessServerRows(s, kAddress, false);
    WirelessChannelRows(s);
    s.A("4\r").A("0\r").A("\r").A("0\r").A("1\r").A("3\r").A("N\r");
    EthernetAndSecurityRows(s);
    QTest::newRow("suite none, empty network name") << 3 << s.Items();

    s = Seq(2);
    WirelessServerRows(s, kAddress, false);
    s.Send("9\r");
    QTest::newRow("server only") << 4 << s.Items();

    s = Seq(2);
    WirelessServerRows(s, {"000", "000", "001", "000"}, true);
    WirelessChannelRows(s);
    s.A("4\r").A("0\r").A("office\r").A("0\r").A("1\r").A("3\r").A("N\r");
    EthernetAndSecurityRows(s);
    QTest::newRow("address 000.000.001.000") << 5 << s.Items();
  }
  void variants() {
    QFETCH(int, variant);
    WirelessInputs in = Infrastructure();
    switch (variant) {
      case 0:
        in.wlan.suite = Suite::WPA2;
        in.wlan.keyChange = KeyChange::Hexadecimal;
        in.wlan.key = kWpaKey.toStdString();
        break;
      case 1:
        in.wlan.topology = Topology::Adhoc;
        in.wlan.channelText = "6";
        in.wlan.suite = Suite::WEP;
        in.wlan.authenticationIndex = 1;
        in.wlan.keyChange = KeyChange::Hexadecimal;
        in.wlan.key = kWep64Key.toStdString();
        in.wlan.txKeyIndexText = "2";
        in.wlan.txRateModeIndex = 0;
        in.wlan.txRateIndex = 7;
        break;
      case 2:
        in.wlan.suite = Suite::WEP;
        in.wlan.encryptionIndex = 1;
        in.wlan.keyChange = KeyChange::Passphrase;
        in.wlan.key = "short phrase";
        break;
      case 3: in.wlan.networkName.clear(); break;
      case 4:
        in.defaultOnly = true;
        in.wlan.suite = Suite::WPA2;
        break;
      case 5: in.server.address = "000.000.001.000"; break;
    }
    RecordingDialogue d;
    SerialModule(d);
    RunOutcome outcome = RunPellarWireless(d, in);
    QCOMPARE(int(outcome.kind), int(RunOutcome::Kind::Completed));
    QTEST(Actual(d), "expected");
  }

  // Every answer of the script widens the bar by one hundredth; no other
  // wait moves it, and the save fills it.
  void everyAnswerIsOneHundredth() {
    WirelessInputs in = Infrastructure();
    in.wlan.suite = Suite::WPA2;
    in.wlan.keyChange = KeyChange::Hexadecimal;
    in.wlan.key = kWpaKey.toStdString();
    RecordingDialogue d;
    SerialModule(d);
    RunPellarWireless(d, in);
    std::size_t advances = 0;
    for (const auto& r : d.RecordsOf(Kind::Progress)) {
      if (r.step.kind == ProgressKind::Advance) {
        ++advances;
        QCOMPARE(r.step.divisor, 100);
      }
    }
    std::size_t answerWaits = 0;
    for (const auto& r : d.RecordsOf(Kind::Wait)) answerWaits += r.seconds == 2 ? 1 : 0;
    // Two waits of two seconds are no answer's: after "0" and before the
    // first octet.
    QCOMPARE(advances, answerWaits - 2);
    QCOMPARE(int(d.RecordsOf(Kind::Progress).back().step.kind), int(ProgressKind::Full));
    QVERIFY(!d.Values().ProgressActive);
    QVERIFY(d.Values().StopWaiting);
  }

  void encryptedVariants_data() {
    QTest::addColumn<bool>("reverse");
    QTest::addColumn<QStringList>("expected");
    Seq s(2);
    WirelessServerRows(s, kAddress, false);
    WirelessChannelRows(s);
    s.A("4\r").A("0\r").A("office\r").A("0\r").A("1\r").A("3\r").A("N\r");
    EthernetAndSecurityRows(s, "256", kData256);
    QTest::newRow("256-bit data key: 32 groups") << false << s.Items();

    s = Seq(2);
    WirelessServerRows(s, kAddress, false);
    WirelessChannelRows(s, "10001", "06", "10001");
    s.A("4\r").A("0\r").A("office\r").A("0\r").A("1\r").A("3\r").A("N\r");
    EthernetAndSecurityRows(s, "256", kData256);
    QTest::newRow("reverse, static local port 10001") << true << s.Items();
  }
  void encryptedVariants() {
    QFETCH(bool, reverse);
    WirelessEncryptedInputs in;
    static_cast<WirelessInputs&>(in) = Infrastructure();
    in.dataKey = {KeySize::Bits256, kData256.toStdString()};
    in.reverse.saved = reverse;
    in.reverse.staticLocalPort = true;
    in.reverse.portText = "10001";
    RecordingDialogue d;
    SerialModule(d);
    std::vector<std::string> transcript;
    d.log = TranscriptLog([&transcript](const std::string& line) { transcript.push_back(line); }, false);
    RunOutcome outcome = RunPellarWirelessEncrypted(d, in);
    QCOMPARE(int(outcome.kind), int(RunOutcome::Kind::Completed));
    QTEST(Actual(d), "expected");
    for (const std::string& line : transcript) {
      if (line.find("\"send\"") == std::string::npos) continue;
      for (int at = 0; at < kData256.size(); at += 2) {
        const std::string pair = "\"text\":\"" + kData256.mid(at, 2).toStdString() + "\"";
        QVERIFY2(line.find(pair) == std::string::npos, line.c_str());
      }
    }
  }

  // A dynamic local port answers "0" at row 13 and the reverse port at row
  // 19; no reverse settings give the fixed answers.
  void reverseDynamicPort() {
    WirelessEncryptedInputs in;
    static_cast<WirelessInputs&>(in) = Infrastructure();
    in.dataKey.key = std::string(32, 'A');
    in.reverse.saved = true;
    in.reverse.portText = "10001";
    RecordingDialogue d;
    SerialModule(d);
    RunPellarWirelessEncrypted(d, in);
    QString sent = QString::fromStdString(d.Sent());
    QVERIFY2(sent.contains("00\r0\r06\rY"), qPrintable(sent));
    QVERIFY(sent.contains("000\r000\r000\r000\r10001\r00\r"));
  }

  // The instruction comes before the port opens, with the port's number.
  void cableInstructionBeforeThePort() {
    WirelessInputs in = Infrastructure();
    in.link.port = 3;
    RecordingDialogue d;
    SerialModule(d);
    RunPellarWireless(d, in);
    QCOMPARE(d.questions.size(), std::size_t(1));
    QCOMPARE(d.questions[0].title, std::string("Program PELLAR Device via Serial Connection"));
    QCOMPARE(d.questions[0].text, std::string("You must now connect your serial cable from your computers port 3 to "
                                              "the PELLAR Device and Power Cycle the PELLAR Device"));
    QCOMPARE(int(d.questions[0].buttons), int(Question::Buttons::Ok));
    const auto& records = d.Records();
    auto ask = std::find_if(records.begin(), records.end(), [](const auto& r) { return r.kind == Kind::Ask; });
    auto open = std::find_if(records.begin(), records.end(), [](const auto& r) { return r.kind == Kind::OpenSerial; });
    QVERIFY(ask < open && open != records.end());
    QCOMPARE(open->text, std::string("COM3 9600,n,8,1"));
  }

  // ESC during the wake-up ends the run at the end of the cycle, before any
  // answer; after the prompt it changes nothing.
  void escape_data() {
    QTest::addColumn<double>("at");
    QTest::addColumn<int>("outcome");
    QTest::newRow("during the wake-up") << 0.7 << int(RunOutcome::Kind::Cancelled);
    QTest::newRow("after the prompt") << 10.0 << int(RunOutcome::Kind::Completed);
  }
  void escape() {
    QFETCH(double, at);
    RecordingDialogue d;
    SerialModule(d);
    d.escapeAt = at;
    RunOutcome outcome = RunPellarWireless(d, Infrastructure());
    QTEST(int(outcome.kind), "outcome");
    if (outcome.kind == RunOutcome::Kind::Cancelled) QVERIFY(d.Sent().find('\r') == std::string::npos);
  }

  // The old prompt: no modem rows, no web server answer.
  void oldPromptLeavesOutItsRows() {
    RecordingDialogue d;
    SerialModule(d, "V6.4.0.", false);
    RunPellarWireless(d, Infrastructure());
    QString sent = QString::fromStdString(d.Sent());
    QVERIFY2(sent.contains("C0\r000\r"), qPrintable(sent));
    QVERIFY2(sent.endsWith("6\rYNNYYYNY9\r"), qPrintable(sent));
  }

  void wrongDataKeySendsNothing() {
    WirelessEncryptedInputs in;
    static_cast<WirelessInputs&>(in) = Infrastructure();
    in.dataKey = {KeySize::Bits192, std::string(32, 'A')};
    RecordingDialogue d;
    RunOutcome outcome = RunPellarWirelessEncrypted(d, in);
    QCOMPARE(int(outcome.kind), int(RunOutcome::Kind::InputRejected));
    QVERIFY(d.RecordsOf(Kind::Send).empty());
    QVERIFY(d.RecordsOf(Kind::OpenSerial).empty());
  }
};

QTEST_GUILESS_MAIN(TestWirelessScript)
#include "tst_wireless_script.moc"
