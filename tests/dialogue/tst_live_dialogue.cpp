// The production runner: its failure paths against a fake module behind the
// link factory, and end to end against pellar-devsim over a pty and over TCP
// on loopback, with every wait scaled down.

#include <QSettings>
#include <QSignalSpy>
#include <QtTest>
#include <array>

#include "boards/pellar_setup_script.h"
#include "dialogue/dialogue_runner.h"
#include "dialogue/dialogue_steps.h"
#include "dialogue/run_values.h"
#include "fake_arp_table.h"
#include "fake_link.h"
#include "sim_process.h"

using namespace dorvane;
using dorvane::testing::FakeArpTable;
using dorvane::testing::FakeFault;
using dorvane::testing::FakeLinks;
using dorvane::testing::FakeModule;
using dorvane::testing::SimProcess;

Q_DECLARE_METATYPE(dorvane::testing::FakeFault)

namespace {

RunOutcome Completed() { return {}; }

const QByteArray kSerialBanner =
    "\r\n*** Dorvane device server ***\r\nMAC address 00204A123456\r\nSoftware version V6.10.0. (260101)\r\n\r\n"
    "Press Enter for Setup Mode\r\n";

DialogueRunner::Options TestOptions() {
  DialogueRunner::Options options;
  options.arp = std::make_shared<FakeArpTable>();
  options.transcriptPath = QDir::temp().filePath("pellar-live-dialogue.jsonl");
  return options;
}

// Setup entry over COM3 (a device given by path, as pellarctl's serial:PATH
// does), then a few answers and the save.
RunOutcome SerialRun(Dialogue& d) {
  d.ClearPromptSeen();
  d.OpenSerialLink(3, "/dev/fake-tty");
  if (AwaitSetupPrompt(d, false) == WakeOutcome::Cancelled) return RunOutcome::Ended(RunOutcome::Kind::Cancelled);
  SendAnswer(d, "\r", 1);
  for (const char* answer : {"0\r", "192\r", "168\r", "1\r", "10\r"}) SendAnswer(d, answer, 1);
  d.Send("9\r");
  d.WaitSeconds(1);
  d.CloseLink();
  return Completed();
}

// The network entry (port 1, then the setup port), a few answers, the save.
RunOutcome NetworkRun(Dialogue& d, const std::string& address) {
  d.Values().StopWaiting = false;
  if (!ConnectSetupPort(d, address)) return RunOutcome::Ended(RunOutcome::Kind::CommunicationFailure);
  for (const char* answer : {"0\r", "192\r", "168\r", "1\r", "10\r", "\r"}) SendAnswer(d, answer, 1);
  d.Send("9\r");
  d.WaitSeconds(15);
  d.CloseLink();
  return Completed();
}

}  // namespace

class TestLiveDialogue : public QObject {
  Q_OBJECT

  RunOutcome Run(DialogueRunner::Script script, DialogueRunner::Options options = TestOptions(),
                 DialogueRunner* runner = nullptr) {
    DialogueRunner own;
    DialogueRunner& r = runner ? *runner : own;
    QSignalSpy finished(&r, &DialogueRunner::Finished);
    if (!r.Start(std::move(script), options)) return {RunOutcome::Kind::RunTimeError, -1, "not started"};
    if (!finished.wait(60000)) return {RunOutcome::Kind::RunTimeError, -2, "no end"};
    return finished.first().first().value<RunOutcome>();
  }

  static bool SimBuilt() { return QFile::exists(SimProcess::BinaryPath()); }

 private slots:
  void initTestCase() { qputenv("DORVANE_TIME_SCALE", "0.05"); }

  // --- the runner's failure paths, against the fake module ---

  // A run that meets a fault ends as the fault's outcome, never as a
  // success; written: what reached the module before it.
  void failurePaths_data() {
    QTest::addColumn<bool>("serial");
    QTest::addColumn<FakeFault>("fault");
    QTest::addColumn<int>("afterBytes");
    QTest::addColumn<QByteArray>("afterText");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("why");  // part of the outcome's description
    QTest::addColumn<QByteArray>("written");
    const int runTimeError = int(RunOutcome::Kind::RunTimeError);
    const int communication = int(RunOutcome::Kind::CommunicationFailure);
    const int completed = int(RunOutcome::Kind::Completed);
    QTest::newRow("serial: whole run") << true << FakeFault::None << 0 << QByteArray() << completed << QString()
                                       << QByteArray("xxx\r0\r192\r168\r1\r10\r9\r");
    QTest::newRow("serial: port cannot be opened")
        << true << FakeFault::OpenFails << 0 << QByteArray() << runTimeError
        << "Invalid port number (COM3 /dev/fake-tty: Permission denied)" << QByteArray();
    QTest::newRow("serial: write fails mid-run") << true << FakeFault::WriteFails << 6 << QByteArray() << communication
                                                 << "could not be written" << QByteArray("xxx\r0\r");
    QTest::newRow("serial: module gone mid-run") << true << FakeFault::ClosedByPeer << 0 << QByteArray("168\r")
                                                 << communication << "hung up" << QByteArray("xxx\r0\r192\r168\r");
    QTest::newRow("tcp: whole run") << false << FakeFault::None << 0 << QByteArray() << completed << QString()
                                    << QByteArray("\r0\r192\r168\r1\r10\r\r9\r");
    QTest::newRow("tcp: never connects") << false << FakeFault::Stalls << 0 << QByteArray() << communication
                                         << QString() << QByteArray();
    QTest::newRow("tcp: hangs up before the setup menu")
        << false << FakeFault::ClosedByPeer << 0 << QByteArray() << communication << QString() << QByteArray();
    QTest::newRow("tcp: write fails mid-run") << false << FakeFault::WriteFails << 3 << QByteArray() << communication
                                              << "could not be written" << QByteArray("\r0\r");
    QTest::newRow("tcp: closed by the peer mid-run") << false << FakeFault::ClosedByPeer << 7 << QByteArray()
                                                     << communication << "hung up" << QByteArray("\r0\r192\r");
  }
  void failurePaths() {
    QFETCH(bool, serial);
    QFETCH(FakeFault, fault);
    QFETCH(int, afterBytes);
    QFETCH(QByteArray, afterText);
    QFETCH(QString, why);
    FakeModule module;
    module.fault = fault;
    module.openError = "Permission denied";
    module.afterBytes = afterBytes;
    module.afterText = afterText;
    if (serial) module.greeting = {kSerialBanner};
    FakeLinks links(module);
    DialogueRunner::Options options = TestOptions();
    options.makeLink = links.Factory();
    RunOutcome outcome = Run(
        serial ? DialogueRunner::Script(SerialRun) : [](Dialogue& d) { return NetworkRun(d, "10.9.9.9"); }, options);
    QTEST(int(outcome.kind), "outcome");
    QVERIFY2(QString::fromStdString(outcome.description).contains(why), outcome.description.c_str());
    QTEST(links.Written(), "written");
    QStringList expectedLinks =
        serial ? QStringList{"serial COM3 /dev/fake-tty"} : QStringList{"tcp 10.9.9.9:1", "tcp 10.9.9.9:9999"};
    QCOMPARE(links.Made(), expectedLinks);
  }

  // A module that never answers keeps the wake-up loop going until ESC,
  // which it acts on at the end of a whole cycle.
  void escapeEndsTheWakeUpOfAStalledModule() {
    FakeModule module;
    module.fault = FakeFault::Stalls;
    FakeLinks links(module);
    DialogueRunner::Options options = TestOptions();
    options.makeLink = links.Factory();
    DialogueRunner runner;
    QSignalSpy finished(&runner, &DialogueRunner::Finished);
    QVERIFY(runner.Start(SerialRun, options));
    runner.PressEscape();
    QVERIFY(finished.wait(60000));
    QCOMPARE(int(finished.first().first().value<RunOutcome>().kind), int(RunOutcome::Kind::Cancelled));
    QCOMPARE(links.Written(), QByteArray("xxx"));
  }

  // Each run starts from fresh values: the firmware, the prompt and the
  // chip version of the module programmed before are not this one's.
  void everyRunHasValuesOfItsOwn() {
    FakeModule module;
    module.greeting = {kSerialBanner};
    FakeLinks links(module);
    DialogueRunner::Options options = TestOptions();
    options.makeLink = links.Factory();
    DialogueRunner runner;
    bool firstSawNewFirmware = false;
    QCOMPARE(int(Run(
                     [&firstSawNewFirmware](Dialogue& d) {
                       RunOutcome outcome = SerialRun(d);
                       d.Values().ProgressActive = true;
                       firstSawNewFirmware = d.Values().AtLeastV6_10() && d.Values().NewSetupPrompt;
                       return outcome;
                     },
                     options, &runner)
                     .kind),
             int(RunOutcome::Kind::Completed));
    QVERIFY(firstSawNewFirmware);
    bool secondStartedClean = false;
    Run(
        [&secondStartedClean](Dialogue& d) {
          RunValues& v = d.Values();
          secondStartedClean = !v.NewSetupPrompt && !v.AtLeastV6_5() && !v.AtLeastV6_10() && !v.ProgressActive &&
                               !v.StopWaiting && v.ChipVersion().empty();
          return Completed();
        },
        options, &runner);
    QVERIFY(secondStartedClean);
  }

  // A module programmed earlier must not lend its firmware to the next: the
  // second one greets with the old prompt, so no version is read from it,
  // and it gets the answers of old firmware.
  void flagsOfAnEarlierModuleDoNotCarryOver() {
    qputenv("DORVANE_TIME_SCALE", "0.002");
    Pellar2Inputs in;
    in.link.port = kFirstServicePort;
    in.server.address = "192.168.001.010";
    DialogueRunner runner;
    std::array<QByteArray, 2> written;
    std::array<bool, 2> atLeast66 = {false, false};
    for (int i = 0; i < 2; ++i) {
      FakeModule module;
      module.greeting = {QByteArray("MAC address 00204A123456\r\nSoftware version V6.10.0. (260101)\r\n\r\n") +
                         (i == 0 ? "Press Enter for Setup Mode" : "Press Enter to go into Setup Mode") + "\r\n"};
      module.answer = [](const QByteArray& written) {
        return written == "9\r" ? QList<QByteArray>{"Parameters stored ...\r\n"} : QList<QByteArray>{};
      };
      FakeLinks links([module](const LinkTarget& target) { return target.port == kSetupPort ? module : FakeModule{}; });
      DialogueRunner::Options options = TestOptions();
      options.makeLink = links.Factory();
      RunOutcome outcome = Run(
          [in, &atLeast66, i](Dialogue& d) {
            RunOutcome ended = RunPellar2(d, in);
            atLeast66[static_cast<std::size_t>(i)] = d.Values().AtLeastV6_6();
            return ended;
          },
          options, &runner);
      QCOMPARE(int(outcome.kind), int(RunOutcome::Kind::Completed));
      written[static_cast<std::size_t>(i)] = links.Written();
    }
    qputenv("DORVANE_TIME_SCALE", "0.05");
    QVERIFY(atLeast66[0]);
    QVERIFY(written[0].contains("8\rNNN\r"));
    QVERIFY(!atLeast66[1]);
    QVERIFY(!written[1].isEmpty());
    QVERIFY(written[1].contains("8\rN\r"));  // row 13 straight after row 11, then row 16
  }

  // The pauses are read in the language the run was started in: the French
  // interface never reads the store, so a stored value that is not a number
  // fails only the English run.
  void pausesFollowTheRunsLanguage_data() {
    QTest::addColumn<int>("languageOffset");
    QTest::addColumn<int>("outcome");
    QTest::newRow("English reads the store") << kEnglishOffset << int(RunOutcome::Kind::RunTimeError);
    QTest::newRow("French takes the default") << kFrenchOffset << int(RunOutcome::Kind::Completed);
  }
  void pausesFollowTheRunsLanguage() {
    QFETCH(int, languageOffset);
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kSettingsApplication, kSettingsSection);
    settings.setValue(kProgramWaitName, "half a second");
    settings.sync();
    DialogueRunner::Options options = TestOptions();
    options.languageOffset = languageOffset;
    double pause = 0;
    RunOutcome outcome = Run(
        [&pause](Dialogue& d) {
          pause = d.KeystrokePause();
          return Completed();
        },
        options);
    settings.remove(kProgramWaitName);
    QTEST(int(outcome.kind), "outcome");
    if (outcome.kind == RunOutcome::Kind::Completed) QCOMPARE(pause, 0.5);
    if (outcome.kind == RunOutcome::Kind::RunTimeError) QCOMPARE(outcome.errorNumber, 13);
  }

  // --- end to end, against the simulator ---

  void wakeUpOverAPty() {
    if (!SimBuilt()) QSKIP("pellar-devsim is not built");
    SimProcess sim;
    QVERIFY2(sim.Start({"--pty", "--reset-after", "2", "--firmware", "V6.7.0", "--time-scale", "0.05"}),
             qPrintable(sim.Error()));
    qputenv("DORVANE_COM3", sim.PtyPath().toLocal8Bit());
    bool prompt = false;
    bool newPrompt = false;
    QString flags;
    RunOutcome outcome = Run([&](Dialogue& d) {
      d.ClearPromptSeen();
      d.OpenSerialLink(3, {});
      if (AwaitSetupPrompt(d, true) == WakeOutcome::Cancelled) return RunOutcome::Ended(RunOutcome::Kind::Cancelled);
      prompt = d.PromptSeen();
      newPrompt = d.Values().NewSetupPrompt;
      for (const auto& flag : d.Values().AtLeast) flags += flag ? '1' : '0';
      SendAnswer(d, "\r", 5);
      d.CloseLink();
      return Completed();
    });
    QCOMPARE(int(outcome.kind), int(RunOutcome::Kind::Completed));
    QVERIFY(prompt);
    QVERIFY(newPrompt);
    QCOMPARE(flags, QString("111000"));
    QByteArray received = sim.Received();
    QVERIFY2(received.startsWith("xxx"), received.constData());
    QVERIFY(received.endsWith("\r"));
  }

  void escapeCancelsTheWakeUpLoop() {
    if (!SimBuilt()) QSKIP("pellar-devsim is not built");
    SimProcess sim;
    QVERIFY2(sim.Start({"--pty", "--fail", "no-banner", "--time-scale", "0.05"}), qPrintable(sim.Error()));
    qputenv("DORVANE_COM4", sim.PtyPath().toLocal8Bit());
    DialogueRunner runner;
    QSignalSpy finished(&runner, &DialogueRunner::Finished);
    QVERIFY(runner.Start(
        [](Dialogue& d) {
          d.OpenSerialLink(4, {});
          if (AwaitSetupPrompt(d, false) == WakeOutcome::Cancelled)
            return RunOutcome::Ended(RunOutcome::Kind::Cancelled);
          return Completed();
        },
        TestOptions()));
    QTimer::singleShot(200, &runner, [&runner] { runner.PressEscape(); });
    QVERIFY(finished.wait(60000));
    QCOMPARE(int(finished.first().first().value<RunOutcome>().kind), int(RunOutcome::Kind::Cancelled));
    // ESC is looked at once per cycle: whole cycles of three only.
    QByteArray received = sim.Received();
    QVERIFY(!received.isEmpty());
    QCOMPARE(received.size() % 3, 0);
  }

  void unopenablePortIsARunTimeError() {
    qputenv("DORVANE_COM5", "/nonexistent/tty");
    RunOutcome outcome = Run([](Dialogue& d) {
      d.OpenSerialLink(5, {});
      return Completed();
    });
    QCOMPARE(int(outcome.kind), int(RunOutcome::Kind::RunTimeError));
    QCOMPARE(outcome.errorNumber, 8002);
  }

  // address, failure mode, answers sent after the setup entry, outcome.
  void networkRun_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<QStringList>("failure");
    QTest::addColumn<int>("outcome");
    QTest::newRow("saved") << "127.0.0.41" << QStringList() << int(RunOutcome::Kind::Completed);
    QTest::newRow("setup port refused") << "127.0.0.42" << QStringList{"--fail", "refuse-setup-port"}
                                        << int(RunOutcome::Kind::CommunicationFailure);
    QTest::newRow("module drops out before the save")
        << "127.0.0.43" << QStringList{"--fail", "close-after:3"} << int(RunOutcome::Kind::CommunicationFailure);
  }
  void networkRun() {
    if (!SimBuilt()) QSKIP("pellar-devsim is not built");
    QFETCH(QString, address);
    QFETCH(QStringList, failure);
    SimProcess sim;
    QVERIFY2(sim.Start(QStringList{"--tcp", address, "--assign-port", "0", "--time-scale", "0.05"} + failure),
             qPrintable(sim.Error()));
    bool stoppedEarly = false;
    RunOutcome outcome = Run([address, &stoppedEarly](Dialogue& d) {
      RunOutcome ended = NetworkRun(d, address.toStdString());
      stoppedEarly = d.Values().StopWaiting;
      return ended;
    });
    QTEST(int(outcome.kind), "outcome");
    if (outcome.kind == RunOutcome::Kind::Completed) {
      QVERIFY(stoppedEarly);
      QCOMPARE(sim.Received(), QByteArray("\r0\r192\r168\r1\r10\r\r9\r"));
    }
  }

  // The module's TCP greeting may come in two segments; the run must read
  // the firmware from it all the same and answer as for that firmware
  // (V6.10: the 6.6 and 6.8 questions after the host bits, "8" then "NNN").
  void bannerSplitOverTcpSegments_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<QStringList>("split");
    QTest::newRow("one segment") << "127.0.0.44" << QStringList();
    QTest::newRow("cut in the version number") << "127.0.0.45" << QStringList{"--fail", "split-banner:47"};
    QTest::newRow("cut in the prompt") << "127.0.0.46" << QStringList{"--fail", "split-banner:70"};
  }
  void bannerSplitOverTcpSegments() {
    if (!SimBuilt()) QSKIP("pellar-devsim is not built");
    QFETCH(QString, address);
    QFETCH(QStringList, split);
    SimProcess sim;
    QVERIFY2(
        sim.Start(QStringList{"--tcp", address, "--assign-port", "0", "--firmware", "V6.10.0", "--time-scale", "0.05"} +
                  split),
        qPrintable(sim.Error()));
    Pellar2Inputs in;
    in.link.port = kFirstServicePort;
    in.link.networkTarget = address.toStdString();
    in.server.address = "192.168.001.010";
    in.defaultOnly = false;
    DialogueRunner runner;
    QSignalSpy chip(&runner, &DialogueRunner::ChipVersionChanged);
    RunOutcome outcome = Run([in](Dialogue& d) { return RunPellar2(d, in); }, TestOptions(), &runner);
    QCOMPARE(int(outcome.kind), int(RunOutcome::Kind::Completed));
    QVERIFY(!chip.isEmpty());
    QCOMPARE(chip.last().first().toString(), QString("Software version V6.10.0. "));
    QByteArray received = sim.Received();
    QVERIFY2(received.contains("010\rY000\r000\r000\r000\r8\rNNN\r"), received.constData());
    // New prompt and 6.5 or later: the modem-mode, 'RING' and source-port
    // answers of the channel settings.
    QVERIFY2(received.contains("C0\rYNN"), received.constData());
  }
};

QTEST_GUILESS_MAIN(TestLiveDialogue)
#include "tst_live_dialogue.moc"
