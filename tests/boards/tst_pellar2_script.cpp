// The PELLAR2 answer script on the recording runner: each variant's sends
// and waits written out from the documented answer table.

#include <QtTest>

#include "boards/pellar2_script.h"
#include "dialogue/recording_dialogue.h"
#include "dialogue/run_values.h"

using namespace dorvane;
using Kind = RecordingDialogue::Kind;

namespace {

QString Banner(const char* version, bool newPrompt) {
  return QString("MAC address 00204A123456\r\nSoftware version %1 (260101)\r\n\r\n%2\r\n")
      .arg(version, newPrompt ? "Press Enter for Setup Mode" : "Press Enter to go into Setup Mode");
}

// The expected sequence: "S <bytes>" for a send (CR written as <CR>), "W <s>"
// for a wait.
class Seq {
 public:
  explicit Seq(double pause) : m_pause(pause) {}
  Seq& Send(const QString& bytes) {
    m_items << "S " + QString(bytes).replace("\r", "<CR>");
    return *this;
  }
  Seq& Wait(double seconds) {
    m_items << "W " + QString::number(seconds);
    return *this;
  }
  // An answer followed by the answer pause.
  Seq& A(const QString& bytes) { return Send(bytes).Wait(m_pause); }
  Seq& Menu() { return Send("\r").Wait(5); }
  QStringList Items() const { return m_items; }

 private:
  double m_pause;
  QStringList m_items;
};

QStringList Actual(const RecordingDialogue& d) {
  QStringList items;
  for (const auto& r : d.Records()) {
    if (r.kind == Kind::Send) items << "S " + QString::fromStdString(r.text).replace("\r", "<CR>");
    if (r.kind == Kind::Wait) items << "W " + QString::number(r.seconds);
  }
  return items;
}

// Rows 1 to 11 for 192.168.1.10, gateway 0.0.0.0, mask 255.255.255.0.
void ServerRows(Seq& s, const QStringList& address = {"192", "168", "001", "010"}) {
  s.A("0\r");
  for (const QString& f : address) s.A(f + "\r");
  s.A("Y");
  for (int i = 0; i < 4; ++i) s.A("000\r");
  s.A("8\r");
}

void ConnectSteps(Seq& s) { s.Wait(5).Wait(3).Send("\r").Wait(5); }

void WakeUpTwoCycles(Seq& s) {
  for (int i = 0; i < 6; ++i) s.Send("x").Wait(0.5);
  s.Send("\r").Wait(5);
}

// Rows 17 to 38 without VRA-Link, new prompt, 6.5 or later.
void ChannelRows(Seq& s, bool atLeast65 = true) {
  s.A("1\r").A("57600\r").A("4C\r").A("00\r").A("3001\r").A("C0\r");
  s.A("Y");
  if (atLeast65) s.A("N");
  s.A("N");
  for (int i = 0; i < 4; ++i) s.A("000\r");
  s.A("0\r");
  for (const char* a : {"00\r", "80\r", "01\r", "15\r", "00\r", "00\r", "00\r"}) s.A(a);
  s.Menu();
}

// Rows 39 to 46 for 6.8 or later.
void EthernetRows68(Seq& s, const QString& type = "0") {
  s.A("5\r");
  for (int i = 0; i < 4; ++i) s.A("\r");
  for (int i = 0; i < 4; ++i) s.A("\r");
  s.A("512\r").A("\r");
  s.A(type + "\r");
  s.Menu();
}

// Rows 47 to 56 with chk77FE ticked and the new prompt.
void SecurityRows(Seq& s) {
  s.A("6\r");
  for (const char* a : {"Y", "N", "N", "Y", "Y", "Y", "Y", "N", "Y"}) s.A(a);
}

void SaveRows(Seq& s) { s.Menu().Send("9\r"); }

}  // namespace

class TestPellar2Script : public QObject {
  Q_OBJECT

 private slots:
  void variants_data() {
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("banner");
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("defaultOnly");
    QTest::addColumn<bool>("disable77FE");
    QTest::addColumn<bool>("vraLink");
    QTest::addColumn<int>("ethernet");
    QTest::addColumn<QStringList>("expected");

    {
      Seq s(1);
      ConnectSteps(s);
      ServerRows(s);
      s.A("N").A("N").A("N").Menu();  // 12 (6.6), 13, 15 (6.8)
      ChannelRows(s);
      EthernetRows68(s);
      SecurityRows(s);
      SaveRows(s);
      s.Wait(15);
      QTest::newRow("network default") << 17 << Banner("V6.10.0.", true) << "192.168.001.010" << false << true
                                       << false << 0 << s.Items();
    }
    {
      Seq s(0.2);
      WakeUpTwoCycles(s);
      ServerRows(s);
      s.A("N").A("N").A("N").Menu();
      ChannelRows(s);
      EthernetRows68(s);
      SecurityRows(s);
      SaveRows(s);
      QTest::newRow("serial default") << 1 << Banner("V6.10.0.", true) << "192.168.001.010" << false << true << false
                                      << 0 << s.Items();
    }
    {
      Seq s(1);
      ConnectSteps(s);
      ServerRows(s);
      s.A("N").A("N").A("N").Menu();  // flags raised after row 11: rows 12 and 15 go out
      SaveRows(s);
      s.Wait(15);
      QTest::newRow("server settings only") << 17 << Banner("V6.4.0.", false) << "192.168.001.010" << true << true
                                            << false << 0 << s.Items();
    }
    {
      Seq s(1);
      ConnectSteps(s);
      ServerRows(s);
      s.A("N").Menu();  // only row 13
      s.A("1\r").A("57600\r").A("4C\r").A("00\r").A("3001\r").A("C0\r");
      for (int i = 0; i < 4; ++i) s.A("000\r");
      s.A("0\r");
      for (const char* a : {"00\r", "80\r", "01\r", "15\r", "00\r", "00\r", "00\r"}) s.A(a);
      s.Menu();
      s.Menu();  // row 46 without the Ethernet rows
      s.A("6\r");
      for (const char* a : {"Y", "N", "N", "Y", "Y", "Y", "N", "Y"}) s.A(a);  // no row 53
      SaveRows(s);
      s.Wait(15);
      QTest::newRow("old prompt") << 17 << Banner("V6.10.0.", false) << "192.168.001.010" << false << true << false
                                  << 0 << s.Items();
    }
    {
      Seq s(1);
      ConnectSteps(s);
      ServerRows(s);
      s.A("N").A("N").A("N").Menu();
      ChannelRows(s);
      EthernetRows68(s);
      s.A("6\r");
      for (const char* a : {"Y", "N", "N", "N", "\r", "Y", "Y", "Y", "N", "Y"}) s.A(a);  // row 51: "N" and CR
      SaveRows(s);
      s.Wait(15);
      QTest::newRow("6.10 with 77FE cleared") << 18 << Banner("V6.10.0.", true) << "192.168.001.010" << false
                                              << false << false << 0 << s.Items();
    }
    {
      Seq s(1);
      ConnectSteps(s);
      ServerRows(s, {"000", "000", "001", "000"});
      s.A("N").A("N").A("N").A("N").Menu();  // rows 12, 13, 14, 15
      ChannelRows(s);
      EthernetRows68(s);
      SecurityRows(s);
      SaveRows(s);
      s.Wait(15);
      QTest::newRow("address 000.000.001.000") << 19 << Banner("V6.10.0.", true) << "000.000.001.000" << false
                                               << true << false << 0 << s.Items();
    }
    {
      Seq s(1);
      ConnectSteps(s);
      ServerRows(s);
      s.A("N").A("N").A("N").Menu();
      s.A("1\r").A("38400\r").A("4C\r").A("00\r").A("3001\r").A("C5\r");
      s.A("Y").A("N").A("N");
      for (const char* f : {"010\r", "020\r", "030\r", "040\r"}) s.A(f);
      s.A("10001\r");
      for (const char* a : {"00\r", "80\r", "01\r", "15\r", "00\r", "00\r", "00\r"}) s.A(a);
      s.Menu();
      EthernetRows68(s);
      SecurityRows(s);
      SaveRows(s);
      s.Wait(15);
      QTest::newRow("VRA-Link saved") << 17 << Banner("V6.10.0.", true) << "192.168.001.010" << false << true << true
                                      << 0 << s.Items();
    }
    {
      Seq s(1);
      ConnectSteps(s);
      ServerRows(s);
      s.A("N").A("N").A("N").Menu();
      ChannelRows(s);
      EthernetRows68(s, "2");
      SecurityRows(s);
      SaveRows(s);
      s.Wait(15);
      QTest::newRow("Ethernet index 1") << 17 << Banner("V6.10.0.", true) << "192.168.001.010" << false << true
                                        << false << 1 << s.Items();
    }
    {
      Seq s(1);
      ConnectSteps(s);
      ServerRows(s);
      s.A("N").A("N").Menu();  // 12 (6.6) and 13; no 15 below 6.8
      ChannelRows(s);
      s.A("5\r");
      for (int i = 0; i < 4; ++i) s.A("\r");
      for (int i = 0; i < 5; ++i) s.A("\r");  // row 44 below 6.8, with the 6.5 return
      s.A("0\r").Menu();
      SecurityRows(s);
      SaveRows(s);
      s.Wait(15);
      QTest::newRow("6.7 module") << 17 << Banner("V6.7.0.", true) << "192.168.001.010" << false << true << false
                                  << 0 << s.Items();
    }
  }
  void variants() {
    QFETCH(int, port);
    QFETCH(QString, banner);
    QFETCH(QString, address);
    QFETCH(bool, defaultOnly);
    QFETCH(bool, disable77FE);
    QFETCH(bool, vraLink);
    QFETCH(int, ethernet);
    Pellar2Inputs in;
    in.portIndex = port;
    in.deviceAddress = address.toStdString();
    in.defaultOnly = defaultOnly;
    in.disable77FE = disable77FE;
    in.vraLinkSaved = vraLink;
    in.remoteAddress = "010.020.030.040";
    in.remotePortText = "10001";
    in.ethernetIndex = ethernet;
    RecordingDialogue d;
    std::string bytes = banner.toStdString();
    if (IsNetworkPort(port)) {
      d.ArriveNetwork(5.5, bytes);
    } else {
      d.onSend = [bytes](RecordingDialogue& module, std::string_view sent) {
        if (sent == "x" && module.Now() >= 1.8) module.ArriveSerial(module.Now() + 0.05, bytes);
      };
    }
    RunOutcome outcome = RunPellar2(d, in);
    QCOMPARE(int(outcome.kind), int(RunOutcome::Kind::Completed));
    QTEST(Actual(d), "expected");
    QVERIFY(!d.Values().Pellar2RunActive);
  }

  void serviceAddressNeedsNoArpButTheClear() {
    RecordingDialogue d;
    Pellar2Inputs in;
    in.portIndex = 17;
    RunPellar2(d, in);
    QCOMPARE(d.RecordsOf(Kind::ClearArp).size(), std::size_t(1));
    QVERIFY(d.RecordsOf(Kind::AssignArp).empty());
    QCOMPARE(d.RecordsOf(Kind::ConnectTcp).back().text, std::string("192.168.100.254:9999"));
  }

  void arpPath_data() {
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<bool>("arpWorks");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("emptyBox");
    QTest::newRow("all filled") << QStringList{"00", "20", "4A", "12", "34", "56"} << true
                                << int(RunOutcome::Kind::Completed) << 0;
    QTest::newRow("box 4 blank") << QStringList{"00", "20", "4A", " ", "34", ""} << true
                                 << int(RunOutcome::Kind::InputRejected) << 3;
    QTest::newRow("all empty") << QStringList{"", "", "", "", "", ""} << true << int(RunOutcome::Kind::InputRejected)
                               << 0;
    QTest::newRow("arp command failed") << QStringList{"00", "20", "4A", "12", "34", "56"} << false
                                        << int(RunOutcome::Kind::ArpFailure) << 0;
  }
  void arpPath() {
    QFETCH(QStringList, boxes);
    QFETCH(bool, arpWorks);
    RecordingDialogue d;
    d.assignArp = {arpWorks, {}};
    Pellar2Inputs in;
    in.portIndex = 0;
    in.deviceAddress = "010.001.001.005";
    for (int i = 0; i < 6; ++i) in.macBoxes[static_cast<std::size_t>(i)] = boxes[i].toStdString();
    RunOutcome outcome = RunPellar2(d, in);
    QTEST(int(outcome.kind), "outcome");
    if (outcome.kind == RunOutcome::Kind::InputRejected) {
      QTEST(outcome.errorNumber, "emptyBox");
      QVERIFY(d.RecordsOf(Kind::ConnectTcp).empty());
      QVERIFY(d.RecordsOf(Kind::Send).empty());
    }
    if (outcome.kind == RunOutcome::Kind::Completed) {
      QCOMPARE(d.RecordsOf(Kind::AssignArp).back().text, std::string("10.1.1.5 00-20-4A-12-34-56"));
      QCOMPARE(d.RecordsOf(Kind::ConnectTcp).back().text, std::string("10.1.1.5:9999"));
    }
  }

  void droppedConnectionIsNoSuccess() {
    RecordingDialogue d;
    d.ArriveNetwork(5.5, Banner("V6.10.0.", true).toStdString());
    d.linkLostAt = 30;
    Pellar2Inputs in;
    in.portIndex = 17;
    QVERIFY_THROWS_EXCEPTION(CommunicationLost, RunPellar2(d, in));
    QVERIFY(QString::fromStdString(d.Sent()).indexOf("9\r") < 0);
  }
};

QTEST_APPLESS_MAIN(TestPellar2Script)
#include "tst_pellar2_script.moc"
