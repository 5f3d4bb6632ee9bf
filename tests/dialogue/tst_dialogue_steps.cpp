#include <QtTest>

#include "dialogue/dialogue_steps.h"
#include "dialogue/recording_dialogue.h"
#include "dialogue/run_values.h"
#include "base/run_time_error.h"

using namespace dorvane;
using Kind = RecordingDialogue::Kind;

namespace {

const std::string kBanner =
    "MAC address 00204A123456\r\nSoftware version V6.10.0. (260101)\r\n\r\nPress Enter for Setup Mode\r\n";

// One line per record: "t kind text", waits as "t wait seconds".
QStringList Lines(const RecordingDialogue& d, std::initializer_list<Kind> kinds) {
  QStringList lines;
  for (const auto& r : d.Records()) {
    if (std::find(kinds.begin(), kinds.end(), r.kind) == kinds.end()) continue;
    QString text = QString::fromStdString(r.text).replace("\r", "<CR>");
    switch (r.kind) {
      case Kind::Send: lines << QString("%1 send %2").arg(r.time, 0, 'f', 2).arg(text); break;
      case Kind::Wait: lines << QString("%1 wait %2").arg(r.time, 0, 'f', 2).arg(r.seconds); break;
      case Kind::Status: lines << QString("%1 status %2|").arg(r.time, 0, 'f', 2).arg(text); break;
      case Kind::Threshold: lines << QString("%1 threshold %2").arg(r.time, 0, 'f', 2).arg(text); break;
      case Kind::ConnectTcp: lines << QString("%1 connect %2").arg(r.time, 0, 'f', 2).arg(text); break;
      case Kind::Close: lines << QString("%1 close").arg(r.time, 0, 'f', 2); break;
      default: lines << QString("%1 other %2").arg(r.time, 0, 'f', 2).arg(text);
    }
  }
  return lines;
}

}  // namespace

class TestDialogueSteps : public QObject {
  Q_OBJECT

 private slots:
  void subnetHostBits_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("answer");
    const char* answers[] = {"8", "16", "24", "23", "11", "10", "9", "7", "6", "5", "4", "3", "2", "12", "13", "14", "15"};
    for (int i = 0; i < 17; ++i) QTest::addRow("%d", i) << i << answers[i];
    QTest::newRow("-1") << -1 << "0";
    QTest::newRow("17") << 17 << "0";
  }
  void subnetHostBits() {
    QFETCH(int, index);
    RunValues values;
    SubnetHostBits(values, index);
    QTEST(QString::fromStdString(values.HostBitsText()), "answer");
  }

  void subnetMaskIndex_data() {
    QTest::addColumn<QString>("mask");
    QTest::addColumn<int>("index");
    QTest::newRow("list form") << "255.255.255.000" << 0;
    QTest::newRow("short form") << "255.255.0.0" << 1;
    QTest::newRow("last") << "255.255.128.0" << 16;
    QTest::newRow("not in list") << "255.255.255.1" << -1;
    QTest::newRow("not a mask") << "abc" << -1;
  }
  void subnetMaskIndex() {
    QFETCH(QString, mask);
    QTEST(SubnetMaskIndex(mask.toStdString()), "index");
  }

  void progressArithmetic_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("track");
    QTest::addColumn<int>("divisor");
    QTest::addColumn<int>("next");
    QTest::newRow("pellar2 step") << 15 << 6000 << 60 << 115;
    QTest::newRow("ninetieth, integer part") << 15 << 6000 << 90 << 81;
    QTest::newRow("capped at the track") << 5950 << 6000 << 60 << 6000;
    QTest::newRow("already full") << 6000 << 6000 << 60 << 6000;
    QTest::newRow("no run") << 15 << 6000 << 0 << 15;
  }
  void progressArithmetic() {
    QFETCH(int, width);
    QFETCH(int, track);
    QFETCH(int, divisor);
    QTEST(AdvancedProgressWidth(width, track, divisor), "next");
  }

  // The run hands the engine its divisor; without one, or before the
  // dialogue proper, a wait moves no bar.
  void progressStepAfterWaitFollowsTheRunsDivisor_data() {
    QTest::addColumn<bool>("active");
    QTest::addColumn<int>("divisor");
    QTest::addColumn<bool>("stepped");
    QTest::newRow("no run") << true << 0 << false;
    QTest::newRow("before the dialogue") << false << 60 << false;
    QTest::newRow("sixtieths") << true << 60 << true;
    QTest::newRow("ninetieths") << true << 90 << true;
  }
  void progressStepAfterWaitFollowsTheRunsDivisor() {
    QFETCH(bool, active);
    QFETCH(int, divisor);
    RunValues values;
    values.ProgressActive = active;
    values.ProgressDivisor = divisor;
    ProgressStep step;
    QTEST(ProgressStepAfterWait(values, step), "stepped");
    if (ProgressStepAfterWait(values, step)) {
      QCOMPARE(int(step.kind), int(ProgressKind::Advance));
      QCOMPARE(step.divisor, divisor);
    }
  }

  void waitAdvancesProgressOnlyDuringTheDialogue() {
    RecordingDialogue d;
    d.Values().ProgressDivisor = 60;
    d.WaitSeconds(1);
    QVERIFY(d.RecordsOf(Kind::Progress).empty());
    d.Values().ProgressActive = true;
    d.WaitSeconds(1);
    QCOMPARE(d.RecordsOf(Kind::Progress).size(), std::size_t(1));
    QCOMPARE(d.RecordsOf(Kind::Progress)[0].step.divisor, 60);
    d.Values().ProgressDivisor = 0;
    d.WaitSeconds(1);
    QCOMPARE(d.RecordsOf(Kind::Progress).size(), std::size_t(1));
  }

  void waitEndsEarlyOnParametersStored() {
    RecordingDialogue d;
    d.listeningPorts = {9999};
    d.ConnectTcp("10.0.0.5", 9999);
    d.ArriveNetwork(2.5, "Parameters stored\r\n");
    d.WaitSeconds(15);
    QCOMPARE(d.Now(), 2.5);
    d.WaitSeconds(5);  // while StopWaiting holds every wait returns at once
    QCOMPARE(d.Now(), 2.5);
  }

  void wakeUpLoop_data() {
    QTest::addColumn<bool>("thresholdRule");
    QTest::addColumn<double>("escapeAt");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("outcome");  // 0 prompt, 1 cancelled
    QTest::addColumn<QStringList>("expected");
    QStringList cycle1 = {"0.00 status Waiting for PELLAR Reset or Power Cycle|",
                          "0.00 send x", "0.00 wait 0.5", "0.50 send x", "0.50 wait 0.5", "1.00 send x", "1.00 wait 0.5",
                          "1.50 status Waiting for PELLAR Reset or Power Cycle |"};
    QStringList cycle2 = {"1.50 send x", "1.50 wait 0.5", "2.00 send x", "2.00 wait 0.5", "2.50 send x",
                          "2.50 wait 0.5", "3.00 status Waiting for PELLAR Reset or Power Cycle|"};
    QTest::newRow("prompt in the second cycle") << false << -1.0 << QString() << 0 << cycle1 + cycle2;
    QStringList withThreshold = {"0.00 status Waiting for PELLAR Reset or Power Cycle|", "0.00 threshold 100"};
    withThreshold << cycle1.mid(1) << "1.50 threshold 1" << "1.50 threshold 100" << cycle2
                  << "3.00 threshold 1";
    QTest::newRow("threshold rule") << true << -1.0 << QString() << 0 << withThreshold;
    QTest::newRow("ESC acted on at the end of the cycle") << false << 0.2 << QString() << 1 << cycle1;
    QStringList slow = {"0.00 status Waiting for PELLAR Reset or Power Cycle|", "0.00 send x", "0.00 wait 2",
                        "2.00 send x", "2.00 wait 2", "4.00 send x", "4.00 wait 2",
                        "6.00 status Waiting for PELLAR Reset or Power Cycle |"};
    QTest::newRow("stored ProgramWait 2") << false << -1.0 << QString("2") << 0 << slow;
  }
  void wakeUpLoop() {
    QFETCH(bool, thresholdRule);
    QFETCH(double, escapeAt);
    QFETCH(QString, stored);
    RecordingDialogue d;
    d.escapeAt = escapeAt;
    if (!stored.isNull()) {
      d.SetTiming(
          [stored](std::string_view name) -> std::optional<std::string> {
            if (name == "ProgramWait") return stored.toStdString();
            return std::nullopt;
          },
          kEnglishOffset);
    }
    // The board comes out of reset at 1.8 s and answers the next "x".
    d.onSend = [](RecordingDialogue& module, std::string_view sent) {
      if (sent == "x" && module.Now() >= 1.8) module.ArriveSerial(module.Now() + 0.05, kBanner);
    };
    d.OpenSerialLink(1, {});
    WakeOutcome outcome = AwaitSetupPrompt(d, thresholdRule);
    QTEST(int(outcome), "outcome");
    QTEST(Lines(d, {Kind::Send, Kind::Wait, Kind::Status, Kind::Threshold}), "expected");
    if (outcome == WakeOutcome::PromptSeen) {
      QVERIFY(d.Values().NewSetupPrompt);
      QVERIFY(d.Values().AtLeastV6_10());
      QCOMPARE(QString::fromStdString(d.ChipVersionLabel()), QString("Software version V6.10.0. "));
    }
  }

  void storedPauseThatIsNoNumberFailsTheRun() {
    RecordingDialogue d;
    d.SetTiming([](std::string_view) { return std::optional<std::string>("half a second"); }, kEnglishOffset);
    d.OpenSerialLink(1, {});
    try {
      AwaitSetupPrompt(d, false);
      QFAIL("the run went on");
    } catch (const RunTimeError& error) {
      QCOMPARE(error.Number(), 13);
    }
  }

  void connectSetupPort_data() {
    QTest::addColumn<bool>("listening");
    QTest::addColumn<QStringList>("expected");
    QStringList common = {"0.00 status Device Server Connection 1|", "0.00 close", "0.00 connect 10.0.0.5:1",
                          "0.00 wait 5", "5.00 status Device Server Connection 2|", "5.00 close",
                          "5.00 connect 10.0.0.5:9999", "5.00 wait 3"};
    QTest::newRow("connected") << true << common + QStringList{"8.00 send <CR>", "8.00 wait 5"};
    QTest::newRow("refused") << false << common;
  }
  void connectSetupPort() {
    QFETCH(bool, listening);
    RecordingDialogue d;
    if (!listening) d.listeningPorts.clear();
    QCOMPARE(ConnectSetupPort(d, "10.0.0.5"), listening);
    QTEST(Lines(d, {Kind::Send, Kind::Wait, Kind::Status, Kind::ConnectTcp, Kind::Close}), "expected");
  }

  void droppedLinkFailsTheNextSend() {
    RecordingDialogue d;
    QVERIFY(ConnectSetupPort(d, "10.0.0.5"));
    d.linkLostAt = d.Now() + 1;
    SendAnswer(d, "0\r", 1);
    QVERIFY_THROWS_EXCEPTION(CommunicationLost, SendAnswer(d, "1\r", 1));
  }

  void arpSteps() {
    RecordingDialogue d;
    d.clearArp = {false, "needs root"};
    ClearArpCache(d);
    QCOMPARE(Lines(d, {Kind::Status}),
             (QStringList{"0.00 status Clearing ARP Address|", "0.00 status Clearing ARP Address Failed|"}));
    d.assignArp = {false, "exit status 2"};
    QVERIFY(!AssignAddressByArp(d, "10.0.0.5", "00-20-4a-12-34-56"));
    QCOMPARE(d.RecordsOf(Kind::AssignArp).back().text, std::string("10.0.0.5 00-20-4a-12-34-56"));
    QCOMPARE(MacTextFromBoxes({" 00", "20 ", "4a", "12", "34", "56"}), std::string("00-20-4a-12-34-56"));
  }

  void transcriptMasksSecrets_data() {
    QTest::addColumn<bool>("showSecrets");
    QTest::addColumn<QString>("line");
    QTest::newRow("masked") << false << "{\"t\":13.000,\"dir\":\"send\",\"text\":\"******\\r\"}";
    QTest::newRow("shown on request") << true << "{\"t\":13.000,\"dir\":\"send\",\"text\":\"s3cr\\\"t\\r\"}";
  }
  void transcriptMasksSecrets() {
    QFETCH(bool, showSecrets);
    QStringList lines;
    RecordingDialogue d;
    d.log = TranscriptLog([&lines](const std::string& line) { lines << QString::fromStdString(line); }, showSecrets);
    QVERIFY(ConnectSetupPort(d, "10.0.0.5"));
    lines.clear();
    d.Send("s3cr\"t\r", Secrecy::Secret);
    d.Send(std::string("\x01\xe9", 2), Secrecy::Plain);
    QCOMPARE(lines.size(), 2);
    QTEST(lines[0], "line");
    QCOMPARE(lines[1], QString("{\"t\":13.000,\"dir\":\"send\",\"text\":\"\\u0001\\u00e9\"}"));
  }
};

QTEST_APPLESS_MAIN(TestDialogueSteps)
#include "tst_dialogue_steps.moc"
