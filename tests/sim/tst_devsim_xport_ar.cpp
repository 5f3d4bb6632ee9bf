// The simulated XPort AR: the boot catch, the command line's levels and
// prompts, its strict checks, "reload", and its faults.

#include <QtTest>

#include "firmware_steps.h"
#include "sim/xport_ar_command_line.h"

using namespace dorvane::sim;
using namespace dorvane::sim::testing;

namespace {

const QString kKey = "00112233445566778899AABBCCDDEEFF";

Transcript Booted(XPortArCommandLine& module, const QStringList& more) {
  return Run(module, QStringList{"power", ">!!!", ">xyz"} + more);
}

}  // namespace

class TestDevsimXPortAr : public QObject {
  Q_OBJECT

 private slots:
  void bootCatchOnlyAfterAReset() {
    XPortArCommandLine module(Options(), LinkKind::kSerial);
    QCOMPARE(Run(module, {">!!!"}).output, QByteArray());
    Transcript t = Run(module, {"power", ">!!!"});
    QCOMPARE(t.output, QByteArray("!"));
    QCOMPARE(t.events, QStringList({"reset", "boot-catch"}));
  }

  void xyzOpensTheCommandLineAndShowPrintsTheProductBlock() {
    XPortArCommandLine module(Options(), LinkKind::kSerial);
    Transcript t = Booted(module, {">show\r"});
    QVERIFY(t.events.contains("command-line"));
    QVERIFY(t.output.contains("\r\n  Product Type        : XPort AR (0x6C)\r\n"));
    QVERIFY(t.output.contains("\r\n  FW Version / Date   : V6.10.0 / Jan 10 2026\r\n"));
    QVERIFY(t.output.endsWith(">"));
  }

  void promptsFollowTheLevels() {
    XPortArCommandLine module(Options(), LinkKind::kSerial);
    Booted(module, {});
    auto prompt = [&module](const QString& line) {
      QByteArray out = Run(module, {">" + line + "\r"}).output;
      return QString::fromLatin1(out.mid(out.lastIndexOf('\n') + 1));
    };
    QCOMPARE(prompt("enable"), QString("enable#"));
    QCOMPARE(prompt("conf"), QString("config-config#"));
    QCOMPARE(prompt("cli"), QString("config-cli#"));
    QCOMPARE(prompt("telnet"), QString("config-telnet#"));
    QCOMPARE(prompt("port 9999"), QString("config-telnet#"));
    QCOMPARE(prompt("exit"), QString("config-cli#"));
    QCOMPARE(prompt("exit"), QString("config-config#"));
    QCOMPARE(prompt("exit"), QString("enable#"));
    QCOMPARE(prompt("tunnel 2"), QString("config-tunnel#"));
    QCOMPARE(prompt("connect"), QString("config-connect#"));
    QCOMPARE(prompt("host"), QString("config-host#"));
  }

  void strictLines_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("unexpected");
    const QStringList toHost = {"enable", "tunnel 2", "connect", "host"};
    QTest::newRow("the key of 128 bits") << toHost + QStringList{"aes encrypt key " + kKey} << false;
    QTest::newRow("an empty key") << toHost + QStringList{"aes encrypt key "} << true;
    QTest::newRow("a key of 31 digits") << toHost + QStringList{"aes decrypt key " + kKey.left(31)} << true;
    QTest::newRow("port 9999") << toHost + QStringList{"port 9999"} << false;
    QTest::newRow("port 10000") << toHost + QStringList{"port 10000"} << true;
    QTest::newRow("a line of another level") << QStringList{"enable", "conf", "baud rate 115200"} << true;
    QTest::newRow("a typo") << QStringList{"enable", "conf", "if eth0", "dhcp disabel"} << true;
    QTest::newRow("address line") << QStringList{"enable", "conf", "if eth0", "ip address 192.168.001.010 255.255.0.0"}
                                  << false;
  }
  void strictLines() {
    QFETCH(QStringList, lines);
    QFETCH(bool, unexpected);
    XPortArCommandLine module(Options(), LinkKind::kSerial);
    QStringList steps;
    for (const QString& line : lines) steps << ">" + line + "\r";
    Transcript t = Booted(module, steps);
    QCOMPARE(!t.events.filter("unexpected:").isEmpty(), unexpected);
  }

  void reloadRestartsTheModule() {
    XPortArCommandLine module(Options(), LinkKind::kSerial);
    Transcript t = Booted(module, {">enable\r", ">reload\r"});
    QVERIFY(t.events.endsWith("reload"));
    QVERIFY(t.timerMs > 0);
    QCOMPARE(Run(module, {">!"}).output, QByteArray());  // still restarting
    Transcript again = Run(module, {"timer", ">!"});
    QCOMPARE(again.events, QStringList({"reset", "boot-catch"}));
  }

  // The demo's board (--power-cycle-when-asked): a run left unfinished
  // leaves the module past its boot; the next run's catch, after a quiet
  // line, power-cycles it, and its following "!" is caught.
  void powerCycleWhenAsked_data() {
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QByteArray>("output");
    using L = QStringList;
    QTest::newRow("cut off at the command line, then a new run")
        << true << L{"power", ">!!!", ">xyz", ">enable\r", "quiet", ">!!!"}
        << L{"reset", "boot-catch", "command-line", "power-cycle", "reset", "boot-catch"} << QByteArray("!");
    QTest::newRow("cancelled after the catch, then a new run")
        << true << L{"power", ">!!!", "quiet", ">!!!"} << L{"reset", "boot-catch", "power-cycle", "reset", "boot-catch"}
        << QByteArray("!");
    QTest::newRow("off before its first reset")
        << true << L{"quiet", ">!!"} << L{"power-cycle", "reset", "boot-catch"} << QByteArray("!");
    QTest::newRow("booting: the catch needs no power cycle")
        << true << L{"power", "quiet", ">!!"} << L{"reset", "boot-catch"} << QByteArray("!");
    QTest::newRow("a line after a long pause is no new run")
        << true << L{"power", ">!!!", ">xyz", "quiet", ">enable\r"} << L{"reset", "boot-catch", "command-line"}
        << QByteArray("enable#");
    QTest::newRow("without the option a cut-off module stays deaf")
        << false << L{"power", ">!!!", ">xyz", ">enable\r", "quiet", ">!!!"}
        << L{"reset", "boot-catch", "command-line"} << QByteArray("enable#");
  }
  void powerCycleWhenAsked() {
    QFETCH(bool, asked);
    QFETCH(QStringList, steps);
    QFETCH(QByteArray, output);
    DeviceOptions options = Options();
    options.powerCycleWhenAsked = asked;
    XPortArCommandLine module(options, LinkKind::kSerial);
    const Transcript t = Run(module, steps);
    QTEST(t.events, "events");
    QVERIFY2(t.output.endsWith(output), t.output.right(40).constData());
  }

  void faults_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("caught");
    QTest::addColumn<bool>("productLines");
    QTest::addColumn<int>("longestShow");
    QTest::newRow("none") << QString() << true << true << 1000;
    QTest::newRow("no-banner") << "no-banner" << false << false << 0;
    QTest::newRow("short-show") << "short-show" << true << false << 6;
    QTest::newRow("no-product-info") << "no-product-info" << true << false << 1000;
  }
  void faults() {
    QFETCH(QString, mode);
    QFETCH(bool, caught);
    QFETCH(bool, productLines);
    QFETCH(int, longestShow);
    XPortArCommandLine module(Options(mode.isEmpty() ? QStringList() : QStringList{mode}), LinkKind::kSerial);
    Transcript boot = Run(module, {"power", ">!!!"});
    QCOMPARE(boot.output == "!", caught);
    if (!caught) return;
    Run(module, {">xyz"});
    QByteArray show = Run(module, {">show\r"}).output;
    QVERIFY(show.size() <= longestShow);
    QCOMPARE(show.contains("Product Type        :"), productLines);
  }
};

QTEST_APPLESS_MAIN(TestDevsimXPortAr)
#include "tst_devsim_xport_ar.moc"
