#include <QtTest>

#include "controller/qm270_xpico_script.h"
#include "dialogue/banner_scan.h"
#include "dialogue/run_values.h"

using namespace dorvane;

namespace {

QString Flags(const RunValues& v) {
  QString flags;
  for (const auto& flag : v.AtLeast) flags += flag ? '1' : '0';
  return flags;
}

const char* kBannerHead = "*** device server ***\r\nMAC address 00204A123456\r\n";

}  // namespace

class TestBannerScan : public QObject {
  Q_OBJECT

 private slots:
  // flags: AtLeastV6_5 .. AtLeastV6_10 after the scan; start: before it.
  void serialTranscript_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("start");
    QTest::addColumn<bool>("prompt");
    QTest::addColumn<bool>("newPrompt");
    QTest::addColumn<QString>("flags");
    QTest::addColumn<QString>("chip");
    auto banner = [](const char* version, const char* prompt) {
      return QString(kBannerHead) + "Software version " + version + " (260101)\r\n\r\n" + prompt + "\r\n";
    };
    const char* newPrompt = "Press Enter for Setup Mode";
    const char* oldPrompt = "Press Enter to go into Setup Mode";
    QTest::newRow("6.5") << banner("V6.5.0.", newPrompt) << "000000" << true << true << "100000"
                         << "Software version V6.5.0. (";
    QTest::newRow("6.6") << banner("V6.6.0.", newPrompt) << "000000" << true << true << "110000"
                         << "Software version V6.6.0. (";
    QTest::newRow("6.7") << banner("V6.7.0.", newPrompt) << "000000" << true << true << "111000"
                         << "Software version V6.7.0. (";
    QTest::newRow("6.8") << banner("V6.8.0.", newPrompt) << "000000" << true << true << "111100"
                         << "Software version V6.8.0. (";
    QTest::newRow("6.9") << banner("V6.9.0.", newPrompt) << "000000" << true << true << "111110"
                         << "Software version V6.9.0. (";
    QTest::newRow("6.10") << banner("V6.10.0.", newPrompt) << "000000" << true << true << "111111"
                          << "Software version V6.10.0. ";
    QTest::newRow("unlisted lowers only 6.5") << banner("V7.2.0.", newPrompt) << "111111" << true << true << "011111"
                                              << "Software version V7.2.0. (";
    QTest::newRow("6.1 is not 6.10") << banner("V6.1.0.", newPrompt) << "000000" << true << true << "000000"
                                     << "Software version V6.1.0. (";
    QTest::newRow("old prompt keeps flags") << banner("V6.10.0.", oldPrompt) << "000000" << true << false << "000000"
                                            << "Software version V6.10.0. ";
    QTest::newRow("both prompts count as old")
        << banner("V6.10.0.", newPrompt) + oldPrompt << "000000" << true << false << "000000"
        << "Software version V6.10.0. ";
    QTest::newRow("no prompt yet") << QString(kBannerHead) + "Software version V6.10.0."
                                   << "000000" << false << false << "000000"
                                   << "Software version V6.10.0.";
    QTest::newRow("short chip version at the end")
        << QString("Press Enter for Setup Mode Software version V6") << "000000" << true << true << "000000"
        << "Software version V6";
    QTest::newRow("case matters") << QString("press enter for setup mode") << "000000" << false << false << "000000"
                                  << "";
  }
  void serialTranscript() {
    QFETCH(QString, text);
    QFETCH(QString, start);
    RunValues values;
    for (int i = 0; i < kVersionFlagCount; ++i) values.AtLeast[i] = start[i] == '1';
    BannerScanResult result = ScanSerialTranscript(text.toStdString(), values);
    QTEST(result.promptSeen, "prompt");
    QTEST(values.NewSetupPrompt.load(), "newPrompt");
    QTEST(Flags(values), "flags");
    QTEST(QString::fromStdString(values.ChipVersion()), "chip");
    QCOMPARE(values.StopWaiting.load(), false);
  }

  // The XPico's rule: its name and the new prompt, the versions from 6.8
  // up, and nothing lowered.
  void xpicoTranscript_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("start");
    QTest::addColumn<bool>("prompt");
    QTest::addColumn<QString>("flags");
    auto banner = [](const char* name, const char* version, const char* prompt) {
      return QString("*** %1 ***\r\nSoftware version %2 (260101)\r\n\r\n%3\r\n").arg(name, version, prompt);
    };
    const char* newPrompt = "Press Enter for Setup Mode";
    QTest::newRow("6.8") << banner("XPICO", "V6.8.0.", newPrompt) << "000000" << true << "000100";
    QTest::newRow("6.9") << banner("XPICO", "V6.9.0.", newPrompt) << "000000" << true << "000110";
    QTest::newRow("6.10") << banner("XPICO", "V6.10.0.", newPrompt) << "000000" << true << "000111";
    QTest::newRow("6.7 raises nothing") << banner("XPICO", "V6.7.0.", newPrompt) << "000000" << true << "000000";
    QTest::newRow("nothing is lowered") << banner("XPICO", "V7.2.0.", newPrompt) << "111111" << true << "111111";
    QTest::newRow("without the name") << banner("device server", "V6.10.0.", newPrompt) << "000000" << false
                                      << "000000";
    QTest::newRow("old prompt") << banner("XPICO", "V6.10.0.", "Press Enter to go into Setup Mode") << "000000" << false
                                << "000000";
  }
  void xpicoTranscript() {
    QFETCH(QString, text);
    QFETCH(QString, start);
    RunValues values;
    for (int i = 0; i < kVersionFlagCount; ++i) values.AtLeast[i] = start[i] == '1';
    BannerScanResult result = ScanSerialTranscript(text.toStdString(), values, XPicoBannerRule);
    QTEST(result.promptSeen, "prompt");
    QTEST(Flags(values), "flags");
    QCOMPARE(values.NewSetupPrompt.load(), false);
    QVERIFY(result.chipVersionFound);
  }

  void blankChipVersionEmptiesTheLabel() {
    RunValues values;
    BannerScanResult result = ScanSerialTranscript("Software version", values);
    QVERIFY(result.chipVersionFound);
    QCOMPARE(result.chipVersionLabel, std::string("Software version"));
    std::string text = std::string("x") + "Software version" + std::string(10, ' ');
    result = ScanSerialTranscript(text, values);
    QCOMPARE(values.ChipVersion().size(), std::size_t(26));
    QVERIFY(!result.chipVersionLabel.empty());
  }

  // Arrivals on one connection, scanned together; a banner that arrives
  // whole reads as it always did.
  void networkArrivals_data() {
    QTest::addColumn<QStringList>("chunks");
    QTest::addColumn<QString>("start");
    QTest::addColumn<bool>("newPrompt");
    QTest::addColumn<QString>("flags");
    QTest::addColumn<bool>("stopWaiting");
    QTest::addColumn<QString>("chip");
    const QString banner = "Software version V6.8.0. (260101)\r\nPress Enter for Setup Mode\r\n";
    QTest::newRow("whole banner") << QStringList{banner} << "000000" << true << "111100" << false
                                  << "Software version V6.8.0. (";
    QTest::newRow("prompt split over two chunks")
        << QStringList{"Press Enter for Se", "tup Mode\r\n"} << "000000" << true << "000000" << false << "";
    QTest::newRow("version in an earlier chunk")
        << QStringList{"Software version V6.8.0. (260101)\r\n", "Press Enter for Setup Mode"} << "000000" << true
        << "111100" << false << "Software version V6.8.0. (";
    QTest::newRow("version split inside its text")
        << QStringList{"MAC address 00204A123456\r\nSoftware version V6.1",
                       "0.0. (260101)\r\nPress Enter for Setup Mode"}
        << "000000" << true << "111111" << false << "Software version V6.10.0. ";
    QTest::newRow("cut inside \"Software version\"")
        << QStringList{"MAC address 00204A123456\r\nSoftware versi",
                       "on V6.7.0. (260101)\r\nPress Enter for Setup Mode"}
        << "000000" << true << "111000" << false << "Software version V6.7.0. (";
    QTest::newRow("old prompt split") << QStringList{"Software version V6.10.0. (260101)\r\nPress Enter to go",
                                                     " into Setup Mode\r\n"}
                                      << "000000" << false << "000000" << false << "Software version V6.10.0. ";
    QTest::newRow("parameters stored") << QStringList{"Parameters stored ...\r\n"} << "000000" << false << "000000"
                                       << true << "";
    QTest::newRow("stored after the prompt arrived")
        << QStringList{banner, "0\r\n? ", "9\r\n\r\nParameters stored ...\r\n"} << "000000" << true << "111100" << true
        << "Software version V6.8.0. (";
    QTest::newRow("stored split after the prompt")
        << QStringList{banner, "9\r\n\r\nParameters st", "ored ...\r\n"} << "000000" << true << "111100" << true
        << "Software version V6.8.0. (";
    QTest::newRow("stored beside a prompt is not looked at")
        << QStringList{"Press Enter for Setup Mode Software version V6.5.0. Parameters stored"} << "000000" << true
        << "100000" << false << "Software version V6.5.0. P";
  }
  void networkArrivals() {
    QFETCH(QStringList, chunks);
    QFETCH(QString, start);
    RunValues values;
    for (int i = 0; i < kVersionFlagCount; ++i) values.AtLeast[i] = start[i] == '1';
    NetworkBannerScan scan;
    for (const QString& chunk : chunks) scan.Arrived(chunk.toStdString(), values);
    QTEST(values.NewSetupPrompt.load(), "newPrompt");
    QTEST(Flags(values), "flags");
    QTEST(values.StopWaiting.load(), "stopWaiting");
    QTEST(QString::fromStdString(values.ChipVersion()), "chip");
  }

  // Each text counts in the arrival that completes it, and only there: the
  // text already read stays in the scan without being read again.
  void networkTextsCountOnce() {
    RunValues values;
    NetworkBannerScan scan;
    BannerScanResult first =
        scan.Arrived("Software version V6.7.0. (260101)\r\nPress Enter for Setup Mode\r\n", values);
    QVERIFY(first.promptSeen && first.chipVersionFound);
    // The script's "Program Server Address Settings Only" box raises every
    // flag after the banner; later arrivals must not take that back.
    values.RaiseAllFirmwareFlags();
    BannerScanResult later = scan.Arrived("\r\nDorvane device server setup\r\nYour choice ? ", values);
    QVERIFY(!later.promptSeen && !later.chipVersionFound && !later.parametersStored);
    QCOMPARE(Flags(values), QString("111111"));
    QVERIFY(values.NewSetupPrompt);

    BannerScanResult stored = scan.Arrived("9\r\n\r\nParameters stored ...\r\n", values);
    QVERIFY(stored.parametersStored);
    values.StopWaiting = false;
    QVERIFY(!scan.Arrived("\r\n", values).parametersStored);
    QVERIFY(!values.StopWaiting);
  }

  // A new connection starts a new text: half a prompt from the last one
  // does not join up with what comes next.
  void restartForgetsTheEarlierConnection() {
    RunValues values;
    NetworkBannerScan scan;
    scan.Arrived("Press Enter for Se", values);
    scan.Restart();
    QVERIFY(!scan.Arrived("tup Mode\r\n", values).promptSeen);
    QVERIFY(!values.NewSetupPrompt);
  }
};

QTEST_APPLESS_MAIN(TestBannerScan)
#include "tst_banner_scan.moc"
