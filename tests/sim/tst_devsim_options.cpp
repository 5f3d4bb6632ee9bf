#include <QtTest>

#include "sim/device_options.h"
#include "sim/personalities.h"

using namespace dorvane::sim;

namespace {

ParsedOptions Parse(const QStringList& arguments) {
  return ParseDeviceOptions(QStringList{"pellar-devsim"} + arguments);
}

}  // namespace

class TestDevsimOptions : public QObject {
  Q_OBJECT

 private slots:
  void init() { qunsetenv("DORVANE_TIME_SCALE"); }

  void defaults() {
    const ParsedOptions parsed = Parse({"--tcp", "127.0.0.37"});
    QCOMPARE(parsed.outcome, ParsedOptions::Outcome::kRun);
    const DeviceOptions& o = parsed.options;
    QCOMPARE(o.setupPort, quint16(9999));
    QCOMPARE(o.assignPort, quint16(1));
    QCOMPARE(o.udpPort, quint16(30718));
    QCOMPARE(o.MacText(), QByteArray("00204A123456"));
    QCOMPARE(o.productCode, QByteArray("X1"));
    QCOMPARE(o.firmware, QString("V6.10.0"));
    QCOMPARE(o.banner, BannerStyle::kNew);
    QCOMPARE(o.modules, 1);
    QVERIFY(!o.pty);
    QVERIFY(!o.powerCycleWhenAsked);
  }

  void everyOption() {
    const ParsedOptions parsed = Parse({"--pty",
                                        "/tmp/com1",
                                        "--tcp=127.0.0.2",
                                        "--setup-port",
                                        "0",
                                        "--assign-port",
                                        "50001",
                                        "--udp",
                                        "127.0.0.3",
                                        "--udp-port",
                                        "40000",
                                        "--banner",
                                        "old",
                                        "--firmware",
                                        "V7.2.0",
                                        "--mac",
                                        "02:00:00:ab:cd:ef",
                                        "--product-code",
                                        "0x00FF",
                                        "--modules",
                                        "256",
                                        "--reset-after",
                                        "2.5",
                                        "--wake-window",
                                        "0",
                                        "--log",
                                        "-",
                                        "--fail",
                                        "garbage",
                                        "--fail=close-after:4",
                                        "--fail",
                                        "slow:0.5"});
    QCOMPARE(parsed.outcome, ParsedOptions::Outcome::kRun);
    const DeviceOptions& o = parsed.options;
    QVERIFY(o.pty);
    QCOMPARE(o.ptyLink, QString("/tmp/com1"));
    QCOMPARE(o.tcpAddress, QString("127.0.0.2"));
    QCOMPARE(o.setupPort, quint16(0));
    QCOMPARE(o.assignPort, quint16(50001));
    QCOMPARE(o.udpPort, quint16(40000));
    QCOMPARE(o.banner, BannerStyle::kOld);
    QCOMPARE(o.MacText(), QByteArray("020000ABCDEF"));
    QCOMPARE(o.productCode, QByteArray::fromHex("00FF"));
    QCOMPARE(o.modules, 256);
    QCOMPARE(o.resetAfter, 2.5);
    QCOMPARE(o.WakeWindowMilliseconds(), 0);
    QVERIFY(o.fail.garbage);
    QCOMPARE(o.fail.closeAfter, std::optional<int>(4));
    QCOMPARE(o.fail.slow, 0.5);
  }

  // "--pty" alone takes no link; the next option must not be eaten as one.
  void ptyWithoutLink() {
    const ParsedOptions parsed = Parse({"--pty", "--banner", "old"});
    QCOMPARE(parsed.outcome, ParsedOptions::Outcome::kRun);
    QVERIFY(parsed.options.ptyLink.isEmpty());
    QCOMPARE(parsed.options.banner, BannerStyle::kOld);
  }

  void kinds_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<ModuleKind>("kind");
    QTest::newRow("pellar2") << QStringList{"--kind", "pellar2"} << ModuleKind::kBoardSetupMenu;
    QTest::newRow("pellar6") << QStringList{"--kind", "pellar6"} << ModuleKind::kEncryptedBoardSetupMenu;
    QTest::newRow("wireless") << QStringList{"--kind", "wireless"} << ModuleKind::kWirelessSetupMenu;
    QTest::newRow("wireless-encrypted") << QStringList{"--kind=wireless-encrypted"}
                                        << ModuleKind::kEncryptedWirelessSetupMenu;
    QTest::newRow("xport-ar") << QStringList{"--kind", "xport-ar"} << ModuleKind::kXPortArCommandLine;
    QTest::newRow("xpico") << QStringList{"--kind", "xpico", "--fail", "no-xpico"} << ModuleKind::kXPicoSetupMenu;
  }
  void kinds() {
    QFETCH(QStringList, arguments);
    const ParsedOptions parsed = Parse(QStringList{"--pty"} + arguments);
    QCOMPARE(parsed.outcome, ParsedOptions::Outcome::kRun);
    QTEST(parsed.options.kind, "kind");
    QCOMPARE(parsed.options.fail.noXPico, arguments.contains("no-xpico"));
  }

  // Each kind the simulator lists is reached by its own name, and no two
  // entries claim one kind, which would leave the second unplayable.
  void everyListedKind_data() {
    QTest::addColumn<QString>("name");
    for (const Personality& personality : Personalities()) QTest::newRow(personality.name) << personality.name;
  }
  void everyListedKind() {
    QFETCH(QString, name);
    const ParsedOptions parsed = Parse({"--pty", "--kind", name});
    QCOMPARE(parsed.outcome, ParsedOptions::Outcome::kRun);
    QCOMPARE(QString(PersonalityOf(parsed.options.kind).name), name);
    const QString kindLine = Parse({"--help"}).text.split('\n').filter("  --kind ").value(0);
    QVERIFY2(kindLine.section(' ', 3).split('|').contains(name), qPrintable(kindLine));
  }

  // The --kind usage is put together from the kinds' own words; it must read
  // as it always has, between the lines around it.
  void kindsHelp() {
    const ParsedOptions parsed = Parse({"--help"});
    QCOMPARE(parsed.outcome, ParsedOptions::Outcome::kShowHelp);
    const QString expected =
        "\n"
        "Module:\n"
        "  --kind pellar2|pellar6|wireless|wireless-encrypted|xport-ar|xpico\n"
        "                          the module (default pellar2); pellar6 asks its\n"
        "                          security questions one by one, with the data key, and takes\n"
        "                          the answers strictly; the wireless boards' submenus close\n"
        "                          after their last question, and their WLAN menu (4) and\n"
        "                          security menu (wireless-encrypted: with the data key) take\n"
        "                          the answers strictly; xport-ar is the QM270's command line\n"
        "                          (serial only: \"!\" boot catch, \"xyz\", \"show\", strict levels);\n"
        "                          xpico is the QM270 Rev. B's module (serial only: \"x\" wake-up,\n"
        "                          \"M\" record mode ending in \"RS\" and a restart, CR setup menu\n"
        "                          whose submenus take the answers strictly)\n"
        "  --banner new|old        \"Press Enter for Setup Mode\" (new, default) or\n";
    QVERIFY2(parsed.text.contains(expected), qPrintable(parsed.text));
  }

  // The demo's board; a flag, and a power cycle on demand leaves no room
  // for a reset scheduled later.
  void powerCycleWhenAsked() {
    const ParsedOptions parsed = Parse({"--pty", "--power-cycle-when-asked", "--reset-after", "0"});
    QCOMPARE(parsed.outcome, ParsedOptions::Outcome::kRun);
    QVERIFY(parsed.options.powerCycleWhenAsked);
  }

  void refused_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no link") << QStringList{"--banner", "new"};
    QTest::newRow("unknown option") << QStringList{"--pty", "--colour"};
    QTest::newRow("missing value") << QStringList{"--pty", "--firmware"};
    QTest::newRow("bad address") << QStringList{"--tcp", "localhost"};
    QTest::newRow("port too big") << QStringList{"--tcp", "127.0.0.2", "--setup-port", "65536"};
    QTest::newRow("banner style") << QStringList{"--pty", "--banner", "middle"};
    QTest::newRow("short mac") << QStringList{"--pty", "--mac", "00-20-4A-12-34"};
    QTest::newRow("three-character code") << QStringList{"--udp", "127.0.0.2", "--product-code", "X10"};
    QTest::newRow("no modules") << QStringList{"--udp", "127.0.0.2", "--modules", "0"};
    QTest::newRow("negative reset") << QStringList{"--pty", "--reset-after", "-1"};
    QTest::newRow("zero time scale") << QStringList{"--pty", "--time-scale", "0"};
    QTest::newRow("unknown failure") << QStringList{"--pty", "--fail", "explode"};
    QTest::newRow("close-after without count") << QStringList{"--pty", "--fail", "close-after"};
    QTest::newRow("negative slow") << QStringList{"--pty", "--fail", "slow:-2"};
    QTest::newRow("unknown kind") << QStringList{"--pty", "--kind", "xpico2"};
    QTest::newRow("no-xpico with value") << QStringList{"--pty", "--fail", "no-xpico:1"};
    QTest::newRow("no-banner with value") << QStringList{"--pty", "--fail", "no-banner:1"};
    QTest::newRow("reject in lower case") << QStringList{"--tcp", "127.0.0.2", "--fail", "reject:nc"};
    QTest::newRow("reject without command") << QStringList{"--tcp", "127.0.0.2", "--fail", "reject"};
    QTest::newRow("slow-monitor not a number") << QStringList{"--tcp", "127.0.0.2", "--fail", "slow-monitor:soon"};
    QTest::newRow("power cycle with a later reset")
        << QStringList{"--pty", "--power-cycle-when-asked", "--reset-after", "8"};
    QTest::newRow("power cycle with a value") << QStringList{"--pty", "--power-cycle-when-asked=yes"};
  }
  void refused() {
    QFETCH(QStringList, arguments);
    const ParsedOptions parsed = Parse(arguments);
    QCOMPARE(parsed.outcome, ParsedOptions::Outcome::kInvalid);
    QVERIFY(!parsed.text.isEmpty());
  }

  // The simulator must keep pace with a tool started under the same
  // DORVANE_TIME_SCALE, and read the variable by the tool's rule.
  void timeScale_data() {
    QTest::addColumn<QByteArray>("environment");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("oneSecondMs");
    QTest::addColumn<int>("defaultWakeWindowMs");
    QTest::addColumn<int>("quietLineMs");
    QTest::newRow("unset") << QByteArray() << QStringList{} << 1000 << 5000 << 3000;
    QTest::newRow("environment") << QByteArray("0.5") << QStringList{} << 500 << 2500 << 1500;
    QTest::newRow("junk environment") << QByteArray("fast") << QStringList{} << 1000 << 5000 << 3000;
    QTest::newRow("option beats environment")
        << QByteArray("0.5") << QStringList{"--time-scale", "2"} << 2000 << 10000 << 6000;
    // A loaded machine's late keystroke must not pass for a quiet line.
    QTest::newRow("wake window keeps two real seconds, a quiet line one")
        << QByteArray("0.05") << QStringList{} << 50 << 2000 << 1000;
  }
  void timeScale() {
    QFETCH(QByteArray, environment);
    QFETCH(QStringList, arguments);
    if (!environment.isNull()) qputenv("DORVANE_TIME_SCALE", environment);
    const ParsedOptions parsed = Parse(QStringList{"--pty"} + arguments);
    QCOMPARE(parsed.outcome, ParsedOptions::Outcome::kRun);
    QTEST(parsed.options.RealMilliseconds(1.0), "oneSecondMs");
    QTEST(parsed.options.WakeWindowMilliseconds(), "defaultWakeWindowMs");
    QTEST(parsed.options.QuietLineMilliseconds(), "quietLineMs");
  }
};

QTEST_GUILESS_MAIN(TestDevsimOptions)
#include "tst_devsim_options.moc"
