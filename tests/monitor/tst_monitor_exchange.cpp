// The monitor-mode exchange on the recording runner: what goes to the
// module and when, how the arrivals become the boxes' texts, and the
// cleaning of an answer for display.

#include <QtTest>
#include <map>
#include <set>

#include "base/localised_text.h"
#include "dialogue/recording_dialogue.h"
#include "monitor/monitor_exchange.h"
#include "recorded_run_text.h"

using namespace dorvane;
using dorvane::testing::RunText;
using Kind = RecordingDialogue::Kind;

Q_DECLARE_METATYPE(dorvane::MonitorKind)

namespace {

constexpr const char* kAddress = "127.0.14.1";

// A module in monitor mode on the recording runner: each command's answer
// arrives in the given pieces, each piece `delay` seconds after the one
// before (the first after the command went out).
struct MonitorModule {
  std::string greeting = "\r\nNodeSet 2.4\r\n0>";
  std::map<std::string, std::vector<std::string>> answers;
  double delay = 0.3;
  std::map<std::string, double> firstDelay;  // a slow command's first piece

  void Attach(RecordingDialogue& dialogue) {
    dialogue.listeningPorts = {9999};
    dialogue.onSend = [this](RecordingDialogue& d, std::string_view sent) {
      std::string line(sent);
      if (line == "M") {
        d.ArriveNetwork(d.Now() + delay, greeting);
        return;
      }
      if (line.empty() || line.back() != '\r') return;
      line.pop_back();
      auto answer = answers.find(line);
      if (answer == answers.end()) return;
      double at = d.Now() + (firstDelay.count(line) ? firstDelay[line] : delay);
      for (const std::string& piece : answer->second) {
        d.ArriveNetwork(at, piece);
        at += delay;
      }
    };
  }
};

MonitorModule AnsweringModule() {
  MonitorModule module;
  module.answers = {{"TT", {"\r\nTT:1\r\n0>"}},
                    {"NC", {"\r\nIP:1.2.3.4\r\n0>"}},
                    {"SA", {"\r\nSA:2\r\n0>"}},
                    {"NS", {"\r\nNS:3\r\n0>"}}};
  return module;
}

// One line per step of the run, for comparing with a list written out by
// hand from the exchange's documented order.
QStringList Steps(const RecordingDialogue& d) {
  return RunText()
      .Show(Kind::Send, "send @x")
      .Show(Kind::Wait, "wait @s")
      .Show(Kind::Status, "status @x")
      .Show(Kind::ConnectTcp, "connect @x")
      .Show(Kind::Close, "close")
      .Others("other @x")
      .CrAs("\\r")
      .Of(d);
}

QString Text(int id) { return QString::fromStdString(LoadText(id, kEnglishOffset)); }

struct Run {
  RecordingDialogue dialogue;
  MonitorResult result;
  RunOutcome outcome;

  Run(MonitorModule& module, MonitorKind kind) {
    module.Attach(dialogue);
    outcome = RunMonitorExchange(dialogue, kAddress, kind, kEnglishOffset, result);
  }
  const MonitorAnswer& Answer(const std::string& command) const {
    for (const MonitorAnswer& a : result.answers) {
      if (a.command == command) return a;
    }
    qFatal("no answer for %s", command.c_str());
  }
  // The virtual time of the send of these bytes.
  double SentAt(const std::string& bytes) const {
    for (const RecordingDialogue::Record& r : dialogue.Records()) {
      if (r.kind == Kind::Send && r.text == bytes) return r.time;
    }
    return -1;
  }
};

}  // namespace

class TestMonitorExchange : public QObject {
  Q_OBJECT

 private slots:
  // The documented example, the counter over a long run of separators,
  // and that copied characters never reset the counter.
  void cleanResponseText_data() {
    QTest::addColumn<QByteArray>("received");
    QTest::addColumn<QByteArray>("shown");
    QTest::newRow("prompt removed first") << QByteArray("IP:1.2.3.4\r\n0>") << QByteArray("IP:1.2.3.4\r\n\r\n");
    QTest::newRow("break break nothing, twice") << QByteArray("A>>>>>>B") << QByteArray("A\r\n\r\n\r\n\r\nB");
    QTest::newRow("seven separators") << QByteArray("A\t\t\t\t\t\t\tB") << QByteArray("A\r\n\r\n\r\n\r\n\r\nB");
    QTest::newRow("counter carries over text") << QByteArray("A\r\nB\r\nC") << QByteArray("A\r\n\r\nB\r\nC");
    QTest::newRow("kept characters") << QByteArray("az AZ 09 .*:,()+-/") << QByteArray("az AZ 09 .*:,()+-/");
    QTest::newRow("other punctuation breaks") << QByteArray("a=b_c#d") << QByteArray("a\r\nb\r\ncd");
    QTest::newRow("8-bit byte breaks") << QByteArray(
                                              "a\xB0"
                                              "b")
                                       << QByteArray("a\r\nb");
    QTest::newRow("failed prompt is cleaned, not removed") << QByteArray("x9>") << QByteArray("x9\r\n");
    QTest::newRow("every done prompt goes") << QByteArray("0>a0>0>b") << QByteArray("ab");
    QTest::newRow("empty") << QByteArray() << QByteArray();
  }
  void cleanResponseText() {
    QFETCH(QByteArray, received);
    QFETCH(QByteArray, shown);
    QCOMPARE(QByteArray::fromStdString(CleanResponseText(WithoutDonePrompts(received.toStdString()))), shown);
  }

  void monitorAddress_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("used");  // empty: refused with text 1045
    QTest::newRow("short form") << "010.001.002.003"
                                << "10.1.2.3";
    QTest::newRow("already short") << "192.168.1.10"
                                   << "192.168.1.10";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("blanks") << "   "
                            << "";
    QTest::newRow("three parts") << "10.1.2"
                                 << "";
    QTest::newRow("field too big") << "10.1.2.256"
                                   << "";
    QTest::newRow("letters") << "ten.1.2.3"
                             << "";
  }
  void monitorAddress() {
    QFETCH(QString, typed);
    QFETCH(QString, used);
    std::optional<std::string> address = MonitorAddress(typed.toStdString());
    QCOMPARE(address ? QString::fromStdString(*address) : QString(), used);
  }

  // A module that answers in time: every byte and wait of the documented
  // order, nothing more (no grace wait), 15 or 17 seconds in all.
  void exchangeSteps_data() {
    QTest::addColumn<MonitorKind>("kind");
    QTest::addColumn<QStringList>("commandSteps");
    QTest::addColumn<double>("seconds");
    QTest::newRow("Ethernet / IP") << MonitorKind::EthernetIP
                                   << QStringList{"send TT\\r", "wait 2", "status " + Text(1134),
                                                  "send NC\\r", "wait 2", "status " + Text(1135)}
                                   << 15.0;
    QTest::newRow("Wireless") << MonitorKind::Wireless << QStringList{"send SA\\r", "wait 2", "status " + Text(1131),
                                                                      "send NS\\r", "wait 2", "status " + Text(1132),
                                                                      "send TT\\r", "wait 2", "status " + Text(1134)}
                              << 17.0;
  }
  void exchangeSteps() {
    QFETCH(MonitorKind, kind);
    QFETCH(QStringList, commandSteps);
    MonitorModule module = AnsweringModule();
    Run run(module, kind);
    QCOMPARE(run.outcome.kind, RunOutcome::Kind::Completed);
    QStringList expected{"status " + Text(1136),
                         "close",
                         QString("connect ") + kAddress + ":1",
                         "wait 5",
                         "close",
                         QString("connect ") + kAddress + ":9999",
                         "wait 2",
                         "status " + Text(1137),
                         "send M",
                         "wait 2"};
    expected << commandSteps << "send QU\\r"
             << "wait 2"
             << "close"
             << "status ";
    QCOMPARE(Steps(run.dialogue), expected);
    QTEST(run.dialogue.Now(), "seconds");
  }

  // The first box also holds the greeting; each later one its own answer.
  void answersInTheirBoxes() {
    MonitorModule module = AnsweringModule();
    Run run(module, MonitorKind::Wireless);
    QCOMPARE(run.result.answers.size(), std::size_t(3));
    QCOMPARE(run.Answer("SA").box, 0);
    QCOMPARE(run.Answer("NS").box, 1);
    QCOMPARE(run.Answer("TT").box, 2);
    QCOMPARE(run.Answer("SA").text, std::string("\r\n\r\nNodeSet 2.4\r\n\r\nSA:2\r\n\r\n"));
    QCOMPARE(run.Answer("NS").text, std::string("\r\n\r\nNS:3\r\n"));
    for (const MonitorAnswer& a : run.result.answers) QVERIFY(a.ok && a.complete);
  }

  // The setup port's greeting arrives on connecting; only an arrival with
  // "NodeSet" keeps it out of the first box.
  void nodeSetEmptiesWhatCameBefore_data() {
    QTest::addColumn<QByteArray>("monitorGreeting");
    QTest::addColumn<bool>("bannerShown");
    QTest::newRow("NodeSet") << QByteArray("\r\nNodeSet 2.4\r\n0>") << false;
    QTest::newRow("no NodeSet") << QByteArray("\r\nMonitor\r\n0>") << true;
  }
  void nodeSetEmptiesWhatCameBefore() {
    QFETCH(QByteArray, monitorGreeting);
    MonitorModule module = AnsweringModule();
    module.greeting = monitorGreeting.toStdString();
    RecordingDialogue dialogue;
    module.Attach(dialogue);
    dialogue.ArriveNetwork(7.1, "MAC address 00204A123456\r\nPress Enter for Setup Mode\r\n");
    MonitorResult result;
    RunMonitorExchange(dialogue, kAddress, MonitorKind::EthernetIP, kEnglishOffset, result);
    const std::string& first = result.answers.at(0).text;
    QTEST(first.find("Press Enter for Setup Mode") != std::string::npos, "bannerShown");
    QVERIFY(first.find("TT:1") != std::string::npos);
  }

  // Only the last arrival of an answer decides whether it failed.
  void failedPromptInTheLastArrival_data() {
    QTest::addColumn<QList<QByteArray>>("pieces");
    QTest::addColumn<bool>("ok");
    QTest::newRow("useful output, then 9>") << QList<QByteArray>{"\r\nTT table: 3 entries\r\n", "9>"} << false;
    QTest::newRow("9> inside the last arrival")
        << QList<QByteArray>{"\r\nTT table\r\n", "partly 9> done\r\n0>"} << false;
    QTest::newRow("9> in an earlier arrival") << QList<QByteArray>{"\r\n9> retry\r\n", "TT table\r\n0>"} << true;
  }
  void failedPromptInTheLastArrival() {
    QFETCH(QList<QByteArray>, pieces);
    QFETCH(bool, ok);
    MonitorModule module = AnsweringModule();
    module.answers["TT"].clear();
    for (const QByteArray& piece : pieces) module.answers["TT"].push_back(piece.toStdString());
    Run run(module, MonitorKind::EthernetIP);
    const MonitorAnswer& tt = run.Answer("TT");
    QCOMPARE(tt.ok, ok);
    if (!ok) QCOMPARE(QString::fromStdString(tt.text), Text(1115));
    if (ok) QVERIFY(tt.text.find("TT table") != std::string::npos);
    QVERIFY(run.Answer("NC").ok);
  }

  void rejectedNetworkStatusLeavesTheScan() {
    MonitorModule module = AnsweringModule();
    module.answers["NS"] = {"\r\nNS: not available\r\n9>"};
    Run run(module, MonitorKind::Wireless);
    QVERIFY(run.Answer("SA").ok);
    QCOMPARE(run.Answer("SA").text, std::string("\r\n\r\nNodeSet 2.4\r\n\r\nSA:2\r\n\r\n"));
    QVERIFY(!run.Answer("NS").ok);
    QCOMPARE(QString::fromStdString(run.Answer("NS").text), Text(1113));
    QCOMPARE(run.Answer("TT").text, std::string("\r\n\r\nTT:1\r\n"));
  }

  // Past its two seconds an answer without its prompt is waited for; the
  // prompt ends the wait at once and the answer stays under its command.
  void slowAnswerEndsAtItsPrompt_data() {
    QTest::addColumn<QList<QByteArray>>("pieces");
    QTest::addColumn<double>("promptAfter");  // seconds after the send
    QTest::newRow("whole answer late") << QList<QByteArray>{"\r\nIP:1.2.3.4\r\n0>"} << 3.5;
    QTest::newRow("prompt late") << QList<QByteArray>{"\r\nIP:1.2.3.4\r\n", "0>"} << 3.8;
    QTest::newRow("at the end of the grace") << QList<QByteArray>{"\r\nIP:1.2.3.4\r\n0>"} << 10.0;
  }
  void slowAnswerEndsAtItsPrompt() {
    QFETCH(QList<QByteArray>, pieces);
    QFETCH(double, promptAfter);
    MonitorModule module = AnsweringModule();
    module.answers["NC"].clear();
    for (const QByteArray& piece : pieces) module.answers["NC"].push_back(piece.toStdString());
    module.firstDelay["NC"] = promptAfter - module.delay * (pieces.size() - 1);
    Run run(module, MonitorKind::EthernetIP);
    QCOMPARE(run.SentAt("QU\r") - run.SentAt("NC\r"), promptAfter);
    const QStringList steps = Steps(run.dialogue);
    const qsizetype nc = steps.indexOf("send NC\\r");
    QCOMPARE(steps.mid(nc, 5), (QStringList{"send NC\\r", "wait 2", "status " + Text(1135), "wait 8", "send QU\\r"}));
    QCOMPARE(run.Answer("NC").text, std::string("\r\n\r\nIP:1.2.3.4\r\n"));
    QVERIFY(run.Answer("NC").complete);
    QVERIFY(run.Answer("TT").text.find("IP:") == std::string::npos);
  }

  // No prompt at all: ten seconds, then what arrived and a line saying so.
  void answerWithoutPromptTimesOut() {
    MonitorModule module = AnsweringModule();
    module.answers["NC"] = {"\r\nIP:1.2.3.4"};
    Run run(module, MonitorKind::EthernetIP);
    QCOMPARE(run.SentAt("QU\r") - run.SentAt("NC\r"), 10.0);
    const MonitorAnswer& nc = run.Answer("NC");
    QVERIFY(nc.ok);
    QVERIFY(!nc.complete);
    QCOMPARE(nc.text, std::string("\r\n\r\nIP:1.2.3.4\r\n") + kIncompleteAnswerLine);
    QCOMPARE(run.outcome.kind, RunOutcome::Kind::Completed);
  }

  // Nothing on port 9999: the status goes, the socket is closed, nothing is
  // sent.
  void noConnection() {
    MonitorModule module = AnsweringModule();
    RecordingDialogue dialogue;
    module.Attach(dialogue);
    dialogue.listeningPorts = {};
    MonitorResult result;
    RunOutcome outcome = RunMonitorExchange(dialogue, kAddress, MonitorKind::EthernetIP, kEnglishOffset, result);
    QCOMPARE(outcome.kind, RunOutcome::Kind::CommunicationFailure);
    QCOMPARE(Steps(dialogue).mid(5),
             (QStringList{QString("connect ") + kAddress + ":9999", "wait 2", "status ", "close"}));
    QVERIFY(result.answers.empty());
  }

  // The run's language, not the window's at the time of reading.
  void textsInTheRunsLanguage() {
    MonitorModule module = AnsweringModule();
    module.answers["TT"] = {"9>"};
    RecordingDialogue dialogue;
    module.Attach(dialogue);
    MonitorResult result;
    RunMonitorExchange(dialogue, kAddress, MonitorKind::EthernetIP, kFrenchOffset, result);
    QCOMPARE(dialogue.RecordsOf(Kind::Status).front().text, LoadText(1136, kFrenchOffset));
    QCOMPARE(result.answers.at(0).text, LoadText(1115, kFrenchOffset));
  }
};

QTEST_GUILESS_MAIN(TestMonitorExchange)
#include "tst_monitor_exchange.moc"
