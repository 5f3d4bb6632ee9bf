// The PELLAR2 answer script on the recording runner: each variant's sends
// and waits written out from the documented answer table.

#include <QtTest>

#include "boards/pellar_setup_script.h"
#include "dialogue/recording_dialogue.h"
#include "dialogue/run_values.h"
#include "setup_menu_rows.h"

using namespace dorvane;
using namespace dorvane::testing;
using Kind = RecordingDialogue::Kind;

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
    in.link.port = port;
    in.server.address = address.toStdString();
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
      ConfirmSave(d);
    } else {
      d.onSend = [bytes](RecordingDialogue& module, std::string_view sent) {
        if (sent == "x" && module.Now() >= 1.8) module.ArriveSerial(module.Now() + 0.05, bytes);
      };
    }
    RunOutcome outcome = RunPellar2(d, in);
    QCOMPARE(int(outcome.kind), int(RunOutcome::Kind::Completed));
    QTEST(Actual(d), "expected");
    QCOMPARE(d.Values().ProgressDivisor.load(), 0);
  }

  void serviceAddressNeedsNoArpButTheClear() {
    RecordingDialogue d;
    Pellar2Inputs in;
    in.link.port = 17;
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
    ConfirmSave(d);
    d.assignArp = {arpWorks, {}};
    Pellar2Inputs in;
    in.link.port = 0;
    in.server.address = "010.001.001.005";
    for (int i = 0; i < 6; ++i) in.macBoxes[static_cast<std::size_t>(i)] = boxes[i].toStdString();
    RunOutcome outcome = RunPellar2(d, in);
    QTEST(int(outcome.kind), "outcome");
    if (outcome.kind == RunOutcome::Kind::InputRejected) {
      QTEST(outcome.box, "emptyBox");
      QCOMPARE(outcome.field, InputField::MacBox);
      QVERIFY(d.RecordsOf(Kind::ConnectTcp).empty());
      QVERIFY(d.RecordsOf(Kind::Send).empty());
    }
    if (outcome.kind == RunOutcome::Kind::Completed) {
      QCOMPARE(d.RecordsOf(Kind::AssignArp).back().text, std::string("10.1.1.5 00-20-4A-12-34-56"));
      QCOMPARE(d.RecordsOf(Kind::ConnectTcp).back().text, std::string("10.1.1.5:9999"));
    }
  }

  // Over the network only "Parameters stored" says the board took its
  // settings: it ends the save wait at once, and without it the run is no
  // success.
  void networkSaveMustBeConfirmed_data() {
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<double>("saveWait");
    QTest::newRow("confirmed") << true << int(RunOutcome::Kind::Completed) << 0.5;
    QTest::newRow("never confirmed") << false << int(RunOutcome::Kind::SaveUnconfirmed) << 15.0;
  }
  void networkSaveMustBeConfirmed() {
    QFETCH(bool, confirmed);
    RecordingDialogue d;
    d.ArriveNetwork(5.5, Banner("V6.10.0.", true).toStdString());
    if (confirmed) ConfirmSave(d);
    Pellar2Inputs in;
    in.link.port = 17;
    RunOutcome outcome = RunPellar2(d, in);
    QTEST(int(outcome.kind), "outcome");
    double savedAt = -1;
    for (const auto& r : d.Records()) {
      if (r.kind == Kind::Send && r.text == "9\r") savedAt = r.time;
    }
    QTEST(d.RecordsOf(Kind::Close).back().time - savedAt, "saveWait");
    bool rebootShown = false;
    for (const auto& r : d.RecordsOf(Kind::Status)) rebootShown = rebootShown || r.text == "Device Reboot";
    QCOMPARE(rebootShown, confirmed);
    QCOMPARE(d.Values().ProgressDivisor.load(), 0);
  }

  void droppedConnectionIsNoSuccess() {
    RecordingDialogue d;
    d.ArriveNetwork(5.5, Banner("V6.10.0.", true).toStdString());
    d.linkLostAt = 30;
    Pellar2Inputs in;
    in.link.port = 17;
    QVERIFY_THROWS_EXCEPTION(CommunicationLost, RunPellar2(d, in));
    QVERIFY(QString::fromStdString(d.Sent()).indexOf("9\r") < 0);
  }
};

QTEST_APPLESS_MAIN(TestPellar2Script)
#include "tst_pellar2_script.moc"
