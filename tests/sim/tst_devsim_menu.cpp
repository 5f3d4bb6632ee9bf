#include <QtTest>

#include "firmware_steps.h"
#include "sim/setup_menu.h"

using namespace dorvane::sim;
using namespace dorvane::sim::testing;

namespace {

// The answers of the PELLAR2 network script for one module, in the order the
// tool sends them (device 192.168.1.10, gateway 192.168.1.1).
QList<QByteArray> Pellar2Answers(bool newPrompt, bool v68, const QByteArray& hostBits, const QByteArray& ethernet,
                                 bool serverOnly) {
  QList<QByteArray> a{"0\r", "192\r", "168\r", "001\r", "010\r", "Y", "192\r", "168\r", "001\r", "001\r"};
  a << hostBits + "\r";
  if (newPrompt) a << "N";  // 6.6 and later
  a << "N";
  if (v68) a << "N";
  a << "\r";
  if (!serverOnly) {
    a << "1\r"
      << "9600\r"
      << "4C\r"
      << "00\r"
      << "3001\r"
      << "C0\r";
    if (newPrompt)
      a << "Y"
        << "N"
        << "N";
    a << "000\r"
      << "000\r"
      << "000\r"
      << "000\r"
      << "0\r"
      << "00\r"
      << "80\r"
      << "01\r"
      << "15\r"
      << "00\r"
      << "00\r"
      << "00\r"
      << "\r";
    if (newPrompt) {
      a << "5\r"
        << "\r"
        << "\r"
        << "\r"
        << "\r";
      if (v68) {
        a << "\r"
          << "\r"
          << "\r"
          << "\r"
          << "512\r"
          << "\r";
      } else {
        a << "\r"
          << "\r"
          << "\r"
          << "\r"
          << "\r";
      }
      a << ethernet + "\r";
    }
    a << "\r";
    a << "6\r"
      << "Y"
      << "N"
      << "N"
      << "Y"
      << "Y";
    if (newPrompt) a << "Y";
    a << "Y"
      << "N"
      << "Y";
  }
  a << "\r"
    << "9\r";
  return a;
}

}  // namespace

class TestDevsimMenu : public QObject {
  Q_OBJECT

 private slots:
  // The tool reads the prompt, the version ladder and 26 characters from
  // "Software version" out of the greeting.
  void banner_data() {
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("style");
    QTest::addColumn<QString>("firmware");
    QTest::addColumn<QByteArray>("prompt");
    QTest::addColumn<QByteArray>("chipVersion");
    const QByteArray newPrompt = "Press Enter for Setup Mode";
    const QByteArray oldPrompt = "Press Enter to go into Setup Mode";
    QTest::newRow("serial new 6.10") << "serial"
                                     << "new"
                                     << "V6.10.0" << newPrompt << QByteArray("Software version V6.10.0. ");
    QTest::newRow("tcp new 6.10") << "tcp"
                                  << "new"
                                  << "V6.10.0" << newPrompt << QByteArray("Software version V6.10.0. ");
    QTest::newRow("serial old 6.5") << "serial"
                                    << "old"
                                    << "V6.5.0" << oldPrompt << QByteArray("Software version V6.5.0. (");
    QTest::newRow("tcp old") << "tcp"
                             << "old"
                             << "V6.5.0" << oldPrompt << QByteArray("Software version V6.5.0. (");
    QTest::newRow("unlisted") << "tcp"
                              << "new"
                              << "V7.2.0" << newPrompt << QByteArray("Software version V7.2.0. (");
  }
  void banner() {
    QFETCH(QString, link);
    QFETCH(QString, style);
    QFETCH(QString, firmware);
    QFETCH(QByteArray, prompt);
    QFETCH(QByteArray, chipVersion);
    DeviceOptions options = Options();
    options.banner = style == "new" ? BannerStyle::kNew : BannerStyle::kOld;
    options.firmware = firmware;
    SetupMenu menu(options, Link(link));
    const Transcript t = Run(menu, link == "serial" ? QStringList{"power", ">x"} : QStringList{"connect"});
    QCOMPARE(t.output, menu.Banner());
    QVERIFY(t.output.contains(prompt + "\r\n"));
    QVERIFY(t.output.contains("MAC address 00204A123456\r\n"));
    QCOMPARE(t.output.mid(t.output.indexOf("Software version"), 26), chipVersion);
    QVERIFY(!t.output.contains(style == "new" ? "go into" : "for Setup Mode"));
  }

  void conversation_data() {
    QTest::addColumn<QString>("link");
    QTest::addColumn<QStringList>("fail");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QByteArray>("endsWith");
    QTest::addColumn<bool>("hangUp");
    using L = QStringList;
    const QByteArray menu = "Your choice ? ";
    const QByteArray stored = "Parameters stored ...\r\n";

    QTest::newRow("x before the reset is ignored")
        << "serial" << L{} << L{">x", "power"} << L{"reset"} << QByteArray() << false;
    QTest::newRow("x after the window is ignored")
        << "serial" << L{} << L{"power", "timer", ">x"} << L{"reset"} << QByteArray() << false;
    QTest::newRow("other bytes do not wake")
        << "serial" << L{} << L{"power", ">X!\r"} << L{"reset"} << QByteArray() << false;
    QTest::newRow("one banner for many x")
        << "serial" << L{} << L{"power", ">xxx"} << L{"reset", "banner"} << QByteArray("Setup Mode\r\n") << false;
    QTest::newRow("CR before the banner does nothing")
        << "serial" << L{} << L{"power", ">\r", ">x"} << L{"reset", "banner"} << QByteArray("Setup Mode\r\n") << false;
    QTest::newRow("CR enters the menu") << "serial" << L{} << L{"power", ">x", ">\r"} << L{"reset", "banner", "setup"}
                                        << menu << false;
    QTest::newRow("serial save restarts the module")
        << "serial" << L{} << L{"power", ">x\r", ">9\r", "timer"} << L{"reset", "banner", "setup", "saved", "reset"}
        << stored << false;
    QTest::newRow("tcp save hangs up after the pause")
        << "tcp" << L{} << L{"connect", ">\r", ">9\r", "timer"} << L{"banner", "setup", "saved"} << stored << true;
    QTest::newRow("save split over two reads")
        << "tcp" << L{} << L{"connect", ">\r", ">9", ">\r"} << L{"banner", "setup", "saved"} << stored << false;
    QTest::newRow("9 inside a submenu is an answer") << "tcp" << L{} << L{"connect", ">\r", ">0\r", ">9\r"}
                                                     << L{"banner", "setup"} << QByteArray("9\r\n? ") << false;
    QTest::newRow("bare CR leaves the submenu") << "tcp" << L{} << L{"connect", ">\r", ">0\r", ">Y", ">\r", ">9\r"}
                                                << L{"banner", "setup", "saved"} << stored << false;
    QTest::newRow("unknown choice shows the menu")
        << "tcp" << L{} << L{"connect", ">\r", ">512\r", ">N"} << L{"banner", "setup"} << menu << false;
    QTest::newRow("8 leaves without saving")
        << "tcp" << L{} << L{"connect", ">\r", ">8\r", "timer"} << L{"banner", "setup", "exit"}
        << QByteArray("Exit without save\r\n") << true;
    QTest::newRow("no-banner on serial never wakes")
        << "serial" << L{"no-banner"} << L{"power", ">xxx\r"} << L{"reset"} << QByteArray() << false;
    QTest::newRow("no-banner on tcp still opens the menu")
        << "tcp" << L{"no-banner"} << L{"connect", ">\r"} << L{"setup"} << menu << false;
    QTest::newRow("close-after:0 drops at setup entry")
        << "tcp" << L{"close-after:0"} << L{"connect", ">\r"} << L{"banner", "setup", "dropped"}
        << QByteArray("Setup Mode\r\n") << true;
    // Keys and bare CRs are answers too; the last one is not acted on.
    QTest::newRow("close-after:3 counts keys and bare CRs")
        << "tcp" << L{"close-after:3"} << L{"connect", ">\r", ">0\r", ">Y", ">\r", ">9\r"}
        << L{"banner", "setup", "dropped"} << QByteArray("? Y\r\n? ") << true;
    QTest::newRow("close-after:2 leaves serial deaf")
        << "serial" << L{"close-after:2"} << L{"power", ">x\r", ">0\r", ">\r", ">9\r", ">x"}
        << L{"reset", "banner", "setup", "dropped"} << QByteArray("Server\r\n? ") << true;
  }
  void conversation() {
    QFETCH(QString, link);
    QFETCH(QStringList, fail);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, events);
    QFETCH(QByteArray, endsWith);
    QFETCH(bool, hangUp);
    SetupMenu menu(Options(fail), Link(link));
    const Transcript t = Run(menu, steps);
    QCOMPARE(t.events, events);
    if (endsWith.isEmpty()) {
      QCOMPARE(t.output, QByteArray());
    } else {
      QVERIFY2(t.output.endsWith(endsWith), t.output.right(60).constData());
    }
    QCOMPARE(t.hangUp, hangUp);
  }

  // The demo's board (--power-cycle-when-asked): the tool's wake-up always
  // finds it answering, one "x" after the power cycle; a run under way is
  // never cut short.
  void powerCycleWhenAsked_data() {
    QTest::addColumn<QString>("link");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QByteArray>("endsWith");
    using L = QStringList;
    const QByteArray banner = "Setup Mode\r\n";
    QTest::newRow("asleep after its window")
        << "serial" << L{"power", "timer", ">x", ">x"} << L{"reset", "power-cycle", "reset", "banner"} << banner;
    QTest::newRow("still off before its first reset")
        << "serial" << L{">x", ">x"} << L{"power-cycle", "reset", "banner"} << banner;
    QTest::newRow("listening: the x wakes it at once")
        << "serial" << L{"power", "quiet", ">x"} << L{"reset", "banner"} << banner;
    QTest::newRow("a dialogue left unfinished, then a new run")
        << "serial" << L{"power", ">x\r0\r", "quiet", ">x", ">x"}
        << L{"reset", "banner", "setup", "power-cycle", "reset", "banner"} << banner;
    QTest::newRow("the rest of a wake-up cycle after the banner")
        << "serial" << L{"power", ">x", ">x", ">x", ">\r"} << L{"reset", "banner", "setup"}
        << QByteArray("Your choice ? ");
    QTest::newRow("an answer after a long pause is no wake-up")
        << "serial" << L{"power", ">x\r", "quiet", ">0\r"} << L{"reset", "banner", "setup"}
        << QByteArray("Server\r\n? ");
    QTest::newRow("quiet only counts for the first byte")
        << "serial" << L{"power", ">x\r", "quiet", ">0", ">x"} << L{"reset", "banner", "setup"}
        << QByteArray("Your choice ? ");
    QTest::newRow("tcp has no power to cycle")
        << "tcp" << L{"connect", ">\r", "quiet", ">x"} << L{"banner", "setup"} << QByteArray("Your choice ? ");
  }
  void powerCycleWhenAsked() {
    QFETCH(QString, link);
    QFETCH(QStringList, steps);
    QFETCH(QByteArray, endsWith);
    DeviceOptions options = Options();
    options.powerCycleWhenAsked = true;
    SetupMenu menu(options, Link(link));
    const Transcript t = Run(menu, steps);
    QTEST(t.events, "events");
    QVERIFY2(t.output.endsWith(endsWith), t.output.right(60).constData());
  }

  // The menu model is coarse; the whole PELLAR2 script must still end in
  // exactly one save, at its last answer, whatever path the answers take
  // between main menu and submenus.
  void pellar2ScriptSavesOnceAtTheEnd_data() {
    QTest::addColumn<bool>("newPrompt");
    QTest::addColumn<bool>("v68");
    QTest::addColumn<QByteArray>("hostBits");
    QTest::addColumn<QByteArray>("ethernet");
    QTest::addColumn<bool>("serverOnly");
    QTest::newRow("6.10, auto negotiation") << true << true << QByteArray("8") << QByteArray("0") << false;
    QTest::newRow("6.10, host bits 9, ethernet 5") << true << true << QByteArray("9") << QByteArray("5") << false;
    QTest::newRow("6.6, ethernet 2") << true << false << QByteArray("16") << QByteArray("2") << false;
    QTest::newRow("old prompt") << false << false << QByteArray("8") << QByteArray() << false;
    QTest::newRow("server settings only") << true << true << QByteArray("9") << QByteArray() << true;
  }
  void pellar2ScriptSavesOnceAtTheEnd() {
    QFETCH(bool, newPrompt);
    QFETCH(bool, v68);
    QFETCH(QByteArray, hostBits);
    QFETCH(QByteArray, ethernet);
    QFETCH(bool, serverOnly);
    const QList<QByteArray> answers = Pellar2Answers(newPrompt, v68, hostBits, ethernet, serverOnly);
    SetupMenu menu(Options(), LinkKind::kTcp);
    Run(menu, {"connect", ">\r"});
    for (qsizetype i = 0; i + 1 < answers.size(); ++i) {
      const Transcript t = Run(menu, {">" + QString::fromLatin1(answers[i])});
      QVERIFY2(t.events.isEmpty(), qPrintable(QString("answer %1 gave %2").arg(i).arg(t.events.join(','))));
      QVERIFY(!t.output.isEmpty());
    }
    const Transcript last = Run(menu, {">" + QString::fromLatin1(answers.last())});
    QCOMPARE(last.events, QStringList{"saved"});
    QVERIFY(last.output.contains("Parameters stored"));
  }

  // The encrypted board asks its security questions one by one and takes
  // each answer in its own form: a wrong one is logged with what was wanted
  // and the settings are then not stored.
  void encryptedSecurityMenuIsStrict_data() {
    QTest::addColumn<QString>("firmware");
    QTest::addColumn<bool>("newPrompt");
    QTest::addColumn<QByteArray>("security");
    QTest::addColumn<QStringList>("events");
    const QByteArray key128 = "00112233445566778899AABBCCDDEEFF";
    QTest::newRow("128-bit key") << "V6.10.0" << true << "YNNYYYY" + QByteArray("Y128\rY") + key128 + "NY"
                                 << QStringList{"encryption:128", "key:16 pairs", "saved"};
    QTest::newRow("77FE open on 6.10, 192 bits")
        << "V6.10.0" << true << "YNNN\rYYY" + QByteArray("Y192\rY") + key128 + "0123456789ABCDEF" + "NY"
        << QStringList{"encryption:192", "key:24 pairs", "saved"};
    QTest::newRow("77FE open before 6.10: no access question")
        << "V6.9.0" << true << "YNNNYYY" + QByteArray("Y128\rY") + key128 + "NY"
        << QStringList{"encryption:128", "key:16 pairs", "saved"};
    QTest::newRow("old prompt: no web server question")
        << "V6.10.0" << false << "YNNYYY" + QByteArray("Y256\rY") + key128 + key128 + "NY"
        << QStringList{"encryption:256", "key:32 pairs", "saved"};
    QTest::newRow("key two digits short")
        << "V6.10.0" << true << "YNNYYYY" + QByteArray("Y128\rY") + key128.left(30) + "NY" + "\r\r\r"
        << QStringList{"encryption:128", "unexpected:key wants a hexadecimal key digit, got \"N\""};
    QTest::newRow("size not offered") << "V6.10.0" << true << "YNNYYYY" + QByteArray("Y100\r")
                                      << QStringList{"unexpected:key-length wants 128, 192 or 256, got \"100\""};
  }
  void encryptedSecurityMenuIsStrict() {
    QFETCH(QString, firmware);
    QFETCH(bool, newPrompt);
    QFETCH(QByteArray, security);
    DeviceOptions options = Options();
    options.kind = ModuleKind::kEncryptedBoardSetupMenu;
    options.firmware = firmware;
    options.banner = newPrompt ? BannerStyle::kNew : BannerStyle::kOld;
    SetupMenu menu(options, LinkKind::kTcp);
    Run(menu, {"connect", ">\r"});
    const Transcript t = Run(menu, {">6\r", ">" + QString::fromLatin1(security), ">\r", ">9\r"});
    QFETCH(QStringList, events);
    QCOMPARE(t.events.mid(0, events.size()), events);
    QCOMPARE(t.events.contains("saved"), !events.join(',').contains("unexpected"));
    QVERIFY(!t.output.contains("Parameters stored") || t.events.contains("saved"));
  }

  // A wrong answer anywhere in the security questions keeps the save from
  // storing the settings; the fault without confirmation stores silently.
  void saveOutcomes_data() {
    QTest::addColumn<QStringList>("fail");
    QTest::addColumn<QByteArray>("security");
    QTest::addColumn<QString>("event");
    QTest::addColumn<bool>("confirmed");
    const QByteArray good = "YNNYYYYY128\rY00112233445566778899AABBCCDDEEFFNY";
    QTest::newRow("answered right") << QStringList{} << good << "saved" << true;
    QTest::newRow("a line where a key was asked") << QStringList{} << "YNN\r" + good.mid(3) << "not-saved" << false;
    QTest::newRow("no-save-confirm") << QStringList{"no-save-confirm"} << good << "saved-unconfirmed" << false;
  }
  void saveOutcomes() {
    QFETCH(QStringList, fail);
    QFETCH(QByteArray, security);
    DeviceOptions options = Options(fail);
    options.kind = ModuleKind::kEncryptedBoardSetupMenu;
    SetupMenu menu(options, LinkKind::kTcp);
    Run(menu, {"connect", ">\r", ">6\r", ">" + QString::fromLatin1(security), ">\r"});
    const Transcript last = Run(menu, {">9\r"});
    QFETCH(QString, event);
    QCOMPARE(last.events, QStringList{event});
    QTEST(last.output.contains("Parameters stored"), "confirmed");
  }
};

QTEST_GUILESS_MAIN(TestDevsimMenu)
#include "tst_devsim_menu.moc"
