// The encrypted PELLAR6 run on the recording runner: each variant's sends
// and waits written out from the PELLAR2 answer table with the PELLAR6 rows
// (reverse network at rows 21, 22 and 30, the data key after row 54), and
// what the run does before it opens a link: the disclaimer with its log
// entry, and the refusals of a missing port and a wrong key.

#include <QtTest>

#include "boards/pellar_setup_script.h"
#include "dialogue/recording_dialogue.h"
#include "dialogue/run_values.h"
#include "setup_menu_rows.h"

using namespace dorvane;
using namespace dorvane::testing;
using Kind = RecordingDialogue::Kind;

namespace {

const QString k128 = "00112233445566778899AABBCCDDEEFF";
const QString k192 = k128 + "0123456789ABCDEF";
const QString k256 = k128 + "FFEEDDCCBBAA99887766554433221100";

// Rows 17 to 38 for a 6.10 module: the port, connection mode, remote
// fields and remote port as the variant answers them.
void ChannelRows6(Seq& s, const QString& port21, const QString& mode22, const QStringList& remote,
                  const QString& port30, const QString& baud = "57600") {
  s.A("1\r").A(baud + "\r").A("4C\r").A("00\r").A(port21 + "\r").A(mode22 + "\r");
  s.A("Y").A("N").A("N");
  for (const QString& field : remote) s.A(field + "\r");
  s.A(port30 + "\r");
  for (const char* a : {"00\r", "80\r", "01\r", "15\r", "00\r", "00\r", "00\r"}) s.A(a);
  s.Menu();
}

// Rows 47 to 56 with E1 to E5 after row 54: the size, then the key in pairs.
void SecurityRows6(Seq& s, const QString& bits, const QString& key) {
  s.A("6\r");
  for (const char* a : {"Y", "N", "N", "Y", "Y", "Y", "Y"}) s.A(a);
  s.A("Y").A(bits + "\r").A("Y");
  for (int at = 0; at < key.size(); at += 2) s.A(key.mid(at, 2));
  s.A("N").A("Y");
}

const QStringList kNoRemote = {"000", "000", "000", "000"};

Pellar6Inputs Inputs(int port, KeySize size, const QString& key) {
  Pellar6Inputs in;
  in.link.port = port;
  in.server.address = "192.168.001.010";
  in.dataKey = {size, key.toStdString()};
  return in;
}

// The module of a network run: its banner, and its word that it stored
// the settings.
void NetworkModule(RecordingDialogue& d) {
  d.ArriveNetwork(5.5, Banner("V6.10.0.", true).toStdString());
  ConfirmSave(d);
}

}  // namespace

class TestPellar6Script : public QObject {
  Q_OBJECT

 private slots:
  void variants_data() {
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("keySize");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("reverse");
    QTest::addColumn<bool>("staticPort");
    QTest::addColumn<bool>("vraLink");
    QTest::addColumn<bool>("serverOnly");
    QTest::addColumn<QStringList>("expected");

    {
      Seq s(1);
      ConnectSteps(s);
      ServerRows(s);
      s.A("N").A("N").A("N").Menu();
      ChannelRows6(s, "3001", "C0", kNoRemote, "0");
      EthernetRows68(s);
      SecurityRows6(s, "128", k128);
      SaveRows(s);
      s.Wait(15);
      QTest::newRow("network, 128-bit key") << 17 << 0 << k128 << false << false << false << false << s.Items();
    }
    {
      Seq s(0.2);
      WakeUpTwoCycles(s);
      ServerRows(s);
      s.A("N").A("N").A("N").Menu();
      ChannelRows6(s, "3001", "C0", kNoRemote, "0");
      EthernetRows68(s);
      SecurityRows6(s, "256", k256);
      SaveRows(s);
      QTest::newRow("serial, 256-bit key") << 1 << 2 << k256 << false << false << false << false << s.Items();
    }
    {
      Seq s(1);
      ConnectSteps(s);
      ServerRows(s);
      s.A("N").A("N").A("N").Menu();
      ChannelRows6(s, "10001", "06", kNoRemote, "10001");
      EthernetRows68(s);
      SecurityRows6(s, "128", k128);
      SaveRows(s);
      s.Wait(15);
      QTest::newRow("reverse, static local port") << 18 << 0 << k128 << true << true << false << false << s.Items();
    }
    {
      Seq s(1);
      ConnectSteps(s);
      ServerRows(s);
      s.A("N").A("N").A("N").Menu();
      ChannelRows6(s, "0", "06", kNoRemote, "10001");
      EthernetRows68(s);
      SecurityRows6(s, "128", k128);
      SaveRows(s);
      s.Wait(15);
      QTest::newRow("reverse, dynamic local port") << 18 << 0 << k128 << true << false << false << false << s.Items();
    }
    {
      // The VRA-Link answers win over reverse settings the window would
      // have cleared: rows 21, 22 and 30 are the PELLAR2's.
      Seq s(1);
      ConnectSteps(s);
      ServerRows(s);
      s.A("N").A("N").A("N").Menu();
      ChannelRows6(s, "3001", "C5", {"010", "020", "030", "040"}, "10002", "38400");
      EthernetRows68(s);
      SecurityRows6(s, "128", k128);
      SaveRows(s);
      s.Wait(15);
      QTest::newRow("VRA-Link saved") << 17 << 0 << k128 << true << true << true << false << s.Items();
    }
    {
      Seq s(1);
      ConnectSteps(s);
      ServerRows(s);
      s.A("N").A("N").A("N").Menu();
      SaveRows(s);
      s.Wait(15);
      QTest::newRow("server only: no key rows") << 19 << 0 << k128 << false << false << false << true << s.Items();
    }
    {
      Seq s(1);
      ConnectSteps(s);
      ServerRows(s);
      s.A("N").A("N").A("N").Menu();
      ChannelRows6(s, "3001", "C0", kNoRemote, "0");
      EthernetRows68(s);
      SecurityRows6(s, "192", k192);
      SaveRows(s);
      s.Wait(15);
      QTest::newRow("192-bit key: 24 pairs") << 17 << 1 << k192 << false << false << false << false << s.Items();
    }
  }
  void variants() {
    QFETCH(int, port);
    QFETCH(int, keySize);
    QFETCH(QString, key);
    QFETCH(bool, reverse);
    QFETCH(bool, staticPort);
    QFETCH(bool, vraLink);
    QFETCH(bool, serverOnly);
    Pellar6Inputs in = Inputs(port, static_cast<KeySize>(keySize), key);
    in.reverse.saved = reverse;
    in.reverse.portText = "10001";
    in.reverse.staticLocalPort = staticPort;
    in.vraLinkSaved = vraLink;
    in.remoteAddress = "010.020.030.040";
    in.remotePortText = "10002";
    in.defaultOnly = serverOnly;
    RecordingDialogue d;
    std::vector<std::string> transcript;
    d.log = TranscriptLog([&transcript](const std::string& line) { transcript.push_back(line); }, false);
    if (IsNetworkPort(port)) {
      NetworkModule(d);
    } else {
      std::string banner = Banner("V6.10.0.", true).toStdString();
      d.onSend = [banner](RecordingDialogue& module, std::string_view sent) {
        if (sent == "x" && module.Now() >= 1.8) module.ArriveSerial(module.Now() + 0.05, banner);
      };
    }
    RunOutcome outcome = RunPellar6(d, in);
    QCOMPARE(int(outcome.kind), int(RunOutcome::Kind::Completed));
    QTEST(Actual(d), "expected");
    QCOMPARE(d.Values().ProgressDivisor.load(), 0);
    // The wake-up of this board leaves the receive threshold alone.
    QVERIFY(d.RecordsOf(Kind::Threshold).empty());
    // No pair of the key reaches the transcript.
    for (const std::string& line : transcript) {
      if (line.find("\"send\"") == std::string::npos) continue;
      for (int at = 0; at < key.size(); at += 2) {
        const std::string pair = "\"text\":\"" + key.mid(at, 2).toStdString() + "\"";
        QVERIFY2(line.find(pair) == std::string::npos, line.c_str());
      }
    }
  }

  // Serial: "Channel 1 Configuration" comes before row 16's return and its
  // five seconds, and not again at row 17.
  void serialShowsTheChannelBeforeRow16() {
    RecordingDialogue d;
    std::string banner = Banner("V6.10.0.", true).toStdString();
    d.onSend = [banner](RecordingDialogue& module, std::string_view sent) {
      if (sent == "x" && module.Now() >= 1.8) module.ArriveSerial(module.Now() + 0.05, banner);
    };
    RunPellar6(d, Inputs(1, KeySize::Bits128, k128));
    const auto& records = d.Records();
    std::vector<std::string> after;
    int shown = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
      if (records[i].kind != Kind::Status || records[i].text != "Channel 1 Configuration") continue;
      ++shown;
      for (std::size_t j = i + 1; j < records.size() && after.size() < 4; ++j) {
        if (records[j].kind == Kind::Send) after.push_back(records[j].text);
        if (records[j].kind == Kind::Wait) after.push_back("W " + std::to_string(int(records[j].seconds)));
      }
    }
    QCOMPARE(shown, 1);
    QCOMPARE(after, (std::vector<std::string>{"\r", "W 5", "1\r", "W 0"}));
  }

  // Over the network the keys travel in plain text: nothing is opened
  // before the installer accepts, and each acceptance leaves one entry.
  void networkDisclaimer_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("outcome");
    QTest::newRow("refused") << int(Question::Answer::No) << int(RunOutcome::Kind::Declined);
    QTest::newRow("accepted") << int(Question::Answer::Yes) << int(RunOutcome::Kind::Completed);
  }
  void networkDisclaimer() {
    QFETCH(int, answer);
    RecordingDialogue d;
    NetworkModule(d);
    d.answers = {static_cast<Question::Answer>(answer)};
    RunOutcome outcome = RunPellar6(d, Inputs(17, KeySize::Bits128, k128));
    QTEST(int(outcome.kind), "outcome");
    QCOMPARE(d.questions.size(), std::size_t(1));
    QCOMPARE(d.questions[0].title, std::string("Programming Disclaimer"));
    QCOMPARE(d.questions[0].text,
             std::string("By programming your Encrypted PELLAR Device over the network, you are aware that the "
                         "Encryption Keys are sent in plain text over the network connection.  Please ensure that you "
                         "have a secure connection to your Encrypted PELLAR device and/or a direct network connection "
                         "to the Encrypted PELLAR.\r\n\r\nDo you wish to continue?"));
    QCOMPARE(int(d.questions[0].icon), int(Question::Icon::Exclamation));
    QCOMPARE(int(d.questions[0].buttons), int(Question::Buttons::YesNoDefaultNo));
    const bool accepted = outcome.kind == RunOutcome::Kind::Completed;
    QCOMPARE(d.RecordsOf(Kind::AppLog).size(), std::size_t(accepted ? 1 : 0));
    if (accepted) {
      QCOMPARE(d.RecordsOf(Kind::AppLog)[0].text,
               std::string("User Accepted Dorvane Disclaimer PELLAR6 Programming via Network Connection "));
    } else {
      QVERIFY(d.RecordsOf(Kind::ConnectTcp).empty());
      QVERIFY(d.RecordsOf(Kind::Send).empty());
    }
    QCOMPARE(d.Values().ProgressDivisor.load(), 0);
  }

  // The serial path asks nothing; a log that cannot be written does not
  // stop a network run.
  void disclaimerOnlyOverTheNetworkAndLogFailureGoesOn() {
    RecordingDialogue serial;
    std::string banner = Banner("V6.10.0.", true).toStdString();
    serial.onSend = [banner](RecordingDialogue& module, std::string_view sent) {
      if (sent == "x") module.ArriveSerial(module.Now() + 0.05, banner);
    };
    QCOMPARE(int(RunPellar6(serial, Inputs(3, KeySize::Bits128, k128)).kind), int(RunOutcome::Kind::Completed));
    QVERIFY(serial.questions.empty() && serial.RecordsOf(Kind::AppLog).empty());

    RecordingDialogue network;
    NetworkModule(network);
    network.applicationLog = {false, "system log (/dev/log): No such file or directory"};
    std::vector<std::string> transcript;
    network.log = TranscriptLog([&transcript](const std::string& line) { transcript.push_back(line); }, false);
    QCOMPARE(int(RunPellar6(network, Inputs(17, KeySize::Bits128, k128)).kind), int(RunOutcome::Kind::Completed));
    bool noted = false;
    for (const std::string& line : transcript)
      noted = noted || line.find("application-log-failed") != std::string::npos;
    QVERIFY(noted);
  }

  // Refused before anything happens: the empty port entry, and a key that
  // does not fill its size (an empty one would switch encryption on with a
  // key nobody typed).
  void refusedBeforeTheRun_data() {
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("keySize");
    QTest::addColumn<QString>("key");
    QTest::addColumn<InputField>("field");
    QTest::newRow("port entry 0") << 0 << 0 << k128 << InputField::Port;
    QTest::newRow("empty key") << 17 << 0 << QString() << InputField::EncryptionKey;
    QTest::newRow("32 digits for 192 bits") << 1 << 1 << k128 << InputField::EncryptionKey;
    QTest::newRow("odd length") << 17 << 0 << k128.left(31) << InputField::EncryptionKey;
  }
  void refusedBeforeTheRun() {
    QFETCH(int, port);
    QFETCH(int, keySize);
    QFETCH(QString, key);
    RecordingDialogue d;
    RunOutcome outcome = RunPellar6(d, Inputs(port, static_cast<KeySize>(keySize), key));
    QCOMPARE(int(outcome.kind), int(RunOutcome::Kind::InputRejected));
    QTEST(outcome.field, "field");
    QVERIFY(d.Records().empty());
  }

  void unconfirmedSaveIsNoSuccess() {
    RecordingDialogue d;
    d.ArriveNetwork(5.5, Banner("V6.10.0.", true).toStdString());
    RunOutcome outcome = RunPellar6(d, Inputs(17, KeySize::Bits128, k128));
    QCOMPARE(int(outcome.kind), int(RunOutcome::Kind::SaveUnconfirmed));
    QCOMPARE(d.Values().ProgressDivisor.load(), 0);
  }
};

QTEST_APPLESS_MAIN(TestPellar6Script)
#include "tst_pellar6_script.moc"
