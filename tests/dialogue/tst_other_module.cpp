// A module of another kind on the cable: each family's wake-up (or boot
// catch) says so once, beside its status, and waits on as before until ESC;
// its own module's answer never brings the notice.

#include <QtTest>
#include <functional>

#include "base/localised_text.h"
#include "boards/pellar_setup_script.h"
#include "boards/wireless_setup_script.h"
#include "controller/qm270_script.h"
#include "controller/qm270_xpico_script.h"
#include "dialogue/dialogue_steps.h"
#include "dialogue/recording_dialogue.h"
#include "recorded_module.h"

using namespace dorvane;
using namespace dorvane::testing;
using Kind = RecordingDialogue::Kind;

namespace {

const std::string kBoardBanner = "\r\n*** Dorvane device server ***\r\n" + ModuleBanner("V6.10.0.", true);
const std::string kXPicoBanner = ModuleBanner("V6.10.0.", true, "\r\n*** Dorvane XPICO device server ***\r\n");
constexpr double kEscapeAt = 20.0;
// From then on the module of the run's own kind answers (the installer
// changed the cable).
constexpr double kCableChangedAt = 12.0;

ServerAddress Server() {
  ServerAddress server;
  server.address = "192.168.001.010";
  server.gateway = "192.168.001.001";
  return server;
}

// The family's run, its wake-up keystroke and its own module's answer.
struct Family {
  std::function<RunOutcome(RecordingDialogue&)> run;
  std::string key;
  std::string ownAnswer;
};

Family FamilyNamed(const QString& name) {
  if (name == "pellar2") {
    return {[](RecordingDialogue& d) {
              Pellar2Inputs in;
              in.server = Server();
              return RunPellar2(d, in);
            },
            "x", kBoardBanner};
  }
  if (name == "wireless") {
    return {[](RecordingDialogue& d) {
              WirelessInputs in;
              in.server = Server();
              in.wlan.networkName = "demo";
              return RunPellarWireless(d, in);
            },
            "x", kBoardBanner};
  }
  if (name == "qm270") {
    return {[](RecordingDialogue& d) {
              QM270Inputs in;
              in.server = Server();
              return RunQM270(d, in);
            },
            "!", "!"};
  }
  QM270XPicoInputs in;
  in.server = Server();
  return {[in](RecordingDialogue& d) { return RunQM270XPico(d, in); }, "x", kXPicoBanner};
}

}  // namespace

class TestOtherModule : public QObject {
  Q_OBJECT

 private slots:
  void wakeUpNamesAnotherModuleOnce_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("answer");  // "own": the family's own module's answer
    QTest::addColumn<bool>("cableChanged");
    QTest::addColumn<bool>("notice");
    QTest::newRow("qm270 hears a board") << "qm270" << QString::fromStdString(kBoardBanner) << false << true;
    QTest::newRow("qm270 hears an xpico") << "qm270" << QString::fromStdString(kXPicoBanner) << false << true;
    QTest::newRow("qm270 hears its own") << "qm270"
                                         << "own" << false << false;
    QTest::newRow("qm270b hears a board") << "qm270b" << QString::fromStdString(kBoardBanner) << false << true;
    QTest::newRow("qm270b hears a board, then its own")
        << "qm270b" << QString::fromStdString(kBoardBanner) << true << true;
    QTest::newRow("qm270b hears its own") << "qm270b"
                                          << "own" << false << false;
    QTest::newRow("pellar2 hears an xpico") << "pellar2" << QString::fromStdString(kXPicoBanner) << false << true;
    QTest::newRow("pellar2 hears an xpico, then its own")
        << "pellar2" << QString::fromStdString(kXPicoBanner) << true << true;
    QTest::newRow("pellar2 hears its own") << "pellar2"
                                           << "own" << false << false;
    QTest::newRow("wireless hears an xpico") << "wireless" << QString::fromStdString(kXPicoBanner) << false << true;
    QTest::newRow("wireless hears its own") << "wireless"
                                            << "own" << false << false;
  }
  void wakeUpNamesAnotherModuleOnce() {
    QFETCH(QString, family);
    QFETCH(QString, answer);
    QFETCH(bool, cableChanged);
    QFETCH(bool, notice);
    const Family f = FamilyNamed(family);
    const std::string heard = answer == "own" ? f.ownAnswer : answer.toStdString();

    RecordingDialogue d;
    d.SetTiming({}, kFrenchOffset);
    // Every keystroke answered, so the other module's banner comes again
    // and again; the notice must not.
    d.onSend = [&](RecordingDialogue& module, std::string_view sent) {
      if (sent != f.key || module.PromptSeen()) return;
      const bool own = cableChanged && module.Now() >= kCableChangedAt;
      module.ArriveSerial(module.Now() + 0.05, own ? f.ownAnswer : heard);
    };
    d.escapeAt = kEscapeAt;
    const RunOutcome outcome = f.run(d);

    const auto notices = d.RecordsOf(Kind::Notice);
    QCOMPARE(notices.size(), std::size_t(notice ? 1 : 0));
    if (notice) QCOMPARE(notices[0].text, LoadText(kOtherModuleTextId, kFrenchOffset));
    const std::string sent = d.Sent();
    const bool stillWaking = sent.find_first_not_of(f.key) == std::string::npos;
    if (notice && !cableChanged) {
      // The wait went on, sending nothing but its keystrokes, until ESC.
      QCOMPARE(int(outcome.kind), int(RunOutcome::Kind::Cancelled));
      QVERIFY(stillWaking);
      QVERIFY(d.Now() >= kEscapeAt);
      QVERIFY(notices[0].time < kCableChangedAt);
    } else {
      QVERIFY2(!stillWaking, "the wake-up found its module");
    }
  }
};

QTEST_APPLESS_MAIN(TestOtherModule)
#include "tst_other_module.moc"
