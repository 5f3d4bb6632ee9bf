// The QM270 run on the recording runner: each variant's command lines and
// waits written out by hand from the command-line table, and the boot
// catch, the product check and the key refusal around them.

#include <QtTest>

#include "controller/qm270_script.h"
#include "dialogue/recording_dialogue.h"
#include "dialogue/run_values.h"

using namespace dorvane;
using Kind = RecordingDialogue::Kind;

Q_DECLARE_METATYPE(dorvane::QM270Inputs)

namespace {

const std::string kShowAnswer =
    "show\r\n"
    "Product Information:\r\n"
    "  Product Type        : XPort AR (0x6C)\r\n"
    "  FW Version / Date   : 4.2.0.1R5 / Jan 10 2012\r\n"
    "  Serial Number       : 0080A3123456\r\n"
    "config:enable#";

const QString k128 = "00112233445566778899AABBCCDDEEFF";
const QString k256 = k128 + "FFEEDDCCBBAA99887766554433221100";

// The module: it answers the first "!" after its boot (at 1 s) with "!",
// and "show" with its product block (or what the variant gives).
void Module(RecordingDialogue& d, std::string showAnswer = kShowAnswer, bool boots = true) {
  d.onSend = [showAnswer, boots, booted = false](RecordingDialogue& r, std::string_view sent) mutable {
    if (sent == "!" && boots && !booted && r.Now() >= 1.0) {
      booted = true;
      r.ArriveSerial(r.Now() + 0.1, "!");
    }
    if (sent == "show\r") r.ArriveSerial(r.Now() + 0.5, showAnswer);
  };
}

// The run from "xyz" on: "S:" sends, "W:" waits, "I:" status texts.
QStringList ScriptRecords(const RecordingDialogue& d) {
  QStringList out;
  bool started = false;
  for (const RecordingDialogue::Record& r : d.Records()) {
    if (r.kind == Kind::Send && r.text == "xyz") started = true;
    if (!started) continue;
    if (r.kind == Kind::Send) out << "S:" + QString::fromStdString(r.text);
    if (r.kind == Kind::Wait) out << "W:" + QString::number(r.seconds);
    if (r.kind == Kind::Status) out << "I:" + QString::fromStdString(r.text);
  }
  return out;
}

// The expected records: each command line with its CR and the answer pause.
class Expect {
 public:
  Expect() {
    m_out << "S:xyz"
          << "W:5"
          << "I:Server Configuration"
          << "S:show\r"
          << "W:2";
    Stage("Configuration Processing Stage 1");
  }
  Expect& L(const QStringList& lines) {
    for (const QString& line : lines)
      m_out << "S:" + line + "\r"
            << "W:0.2";
    return *this;
  }
  Expect& Stage(const QString& text) {
    m_out << "I:" + text;
    return *this;
  }
  Expect& Key(const QString& command, const QString& key) {
    m_out << "S:" + command << "S:" + key + "\r"
          << "W:0.2";
    return *this;
  }
  QStringList Done() const { return m_out; }

 private:
  QStringList m_out;
};

const QStringList kRows1To18 = {"enable", "conf",          "cli",           "telnet", "port 9999", "write",
                                "exit",   "ssh",           "state disable", "write",  "exit",      "exit",
                                "http",   "state disable", "write",         "exit",   "if eth0",   "bootp disable"};

void Stage2(Expect& e, bool reverse) {
  e.Stage("Configuration Processing Stage 2").L({"ftp", "state disable", "write", "exit", "exit"});
  if (reverse) e.L({"cpm", "create DORVANE", "set CP5 as output", "add CP5 to DORVANE 0", "write", "exit"});
}

void Stage3(Expect& e, const QString& baud) {
  e.Stage("Configuration Processing Stage 3")
      .L({"line 2", "baud rate " + baud, "stop bits 1", "data bits 8", "flow control none", "parity none",
          "protocol tunnel", "state enable", "write", "exit", "tunnel 1", "accept", "accept mode disable", "write",
          "exit", "exit"});
}

void Stage4Local(Expect& e) {
  e.Stage("Configuration Processing Stage 4")
      .L({"tunnel 2",
          "packing",
          "packing mode timeout",
          "threshold 512",
          "timeout 52",
          "write",
          "exit",
          "connect",
          "connect mode disable",
          "write",
          "exit",
          "accept",
          "local port 3001",
          "protocol tcp",
          "accept mode always",
          "write",
          "exit",
          "write",
          "exit",
          "reload"});
}

void Stage4Reverse(Expect& e, const QString& localPortLine, const QString& port, const QString& key) {
  e.Stage("Configuration Processing Stage 4")
      .L({"tunnel 2", "serial", "dtr asserted while connected", "default buffer size", "write", "exit", "packing",
          "packing mode timeout", "threshold 512", "timeout 52", "write", "exit", "connect",
          "connect mode modem emulation", localPortLine, "write", "host", "port " + port, "protocol tcp aes"})
      .Key("aes encrypt key ", key)
      .Key("aes decrypt key ", key)
      .L({"protocol tcp aes",
          "write",
          "exit",
          "cp output",
          "connection value 1",
          "disconnection value 0",
          "group DORVANE",
          "write",
          "exit",
          "exit",
          "modem",
          "incoming connection disabled",
          "echo commands disable",
          "echo pluses disable",
          "error unknown commands disable",
          "response type text",
          "verbose response disable",
          "write",
          "exit",
          "disconnect",
          "flush serial disable",
          "modem control disable",
          "timeout 0",
          "write",
          "exit",
          "accept",
          "accept mode disable",
          "write",
          "exit",
          "write",
          "exit",
          "reload"});
}

QM270Inputs Inputs(const QString& address, bool reverse, bool ipOnly) {
  QM270Inputs in;
  in.server.address = address.toStdString();
  in.server.gateway = "192.168.001.001";
  in.server.subnetIndex = 1;  // 255.255.0.0
  in.reverse.saved = reverse;
  in.ipOnly = ipOnly;
  in.reverse.portText = "3100";
  in.dataKey.key = k128.toStdString();
  return in;
}

}  // namespace

class TestQM270Script : public QObject {
  Q_OBJECT

 private slots:
  void variants_data() {
    QTest::addColumn<QM270Inputs>("inputs");
    QTest::addColumn<QStringList>("expected");
    const QString a = "192.168.001.010";
    {
      Expect e;
      // No gateway line in the local script, though one was entered.
      e.L(kRows1To18).L({"dhcp disable", "ip address " + a + " 255.255.0.0", "write", "exit"});
      Stage2(e, false);
      Stage3(e, "115200");
      Stage4Local(e);
      QTest::newRow("local") << Inputs(a, false, false) << e.Done();
    }
    {
      Expect e;
      e.L(kRows1To18).L({"dhcp disable", "ip address 000.000.000.000 255.255.0.0", "write", "exit"});
      Stage2(e, false);
      Stage3(e, "57600");
      Stage4Local(e);
      QM270Inputs in = Inputs("000.000.000.000", false, false);
      in.baudText = "57600";
      QTest::newRow("local, all-zero address") << in << e.Done();
    }
    {
      Expect e;
      e.L(kRows1To18)
          .L({"dhcp disable", "ip address " + a + " 255.255.0.0", "default gateway 192.168.001.001", "write", "exit"});
      Stage2(e, true);
      Stage3(e, "115200");
      Stage4Reverse(e, "local port 3100", "3100", k128);
      QM270Inputs in = Inputs(a, true, false);
      in.reverse.staticLocalPort = true;
      QTest::newRow("reverse, static port") << in << e.Done();
    }
    {
      Expect e;
      e.L(kRows1To18)
          .L({"dhcp disable", "ip address " + a + " 255.255.0.0", "default gateway 192.168.001.001", "write", "exit"});
      Stage2(e, true);
      Stage3(e, "115200");
      Stage4Reverse(e, "default local port", "3100", k128);
      QTest::newRow("reverse, dynamic port") << Inputs(a, true, false) << e.Done();
    }
    {
      Expect e;
      e.L(kRows1To18).L({"dhcp enable", "write", "exit"});
      Stage2(e, true);
      Stage3(e, "115200");
      Stage4Reverse(e, "default local port", "3100", k128);
      QTest::newRow("reverse, all-zero address") << Inputs("000.000.000.000", true, false) << e.Done();
    }
    {
      Expect e;
      e.L(kRows1To18)
          .L({"dhcp disable", "ip address " + a + " 255.255.0.0", "write", "exit", "exit", "exit", "reload"});
      QTest::newRow("IP-only, local") << Inputs(a, false, true) << e.Done();
    }
    {
      Expect e;
      e.L(kRows1To18)
          .L({"dhcp disable", "ip address " + a + " 255.255.0.0", "default gateway 192.168.001.001", "write", "exit",
              "exit", "exit", "reload"});
      QM270Inputs in = Inputs(a, true, true);
      in.dataKey.key.clear();  // the IP-only run sends no key and needs none
      QTest::newRow("IP-only, reverse") << in << e.Done();
    }
    {
      Expect e;
      e.L(kRows1To18)
          .L({"dhcp disable", "ip address " + a + " 255.255.0.0", "default gateway 192.168.001.001", "write", "exit"});
      Stage2(e, true);
      Stage3(e, "115200");
      Stage4Reverse(e, "default local port", "3100", k256);
      QM270Inputs in = Inputs(a, true, false);
      in.dataKey.size = KeySize::Bits256;
      in.dataKey.key = k256.toStdString();
      QTest::newRow("reverse, 256-bit key as typed") << in << e.Done();
    }
  }
  void variants() {
    QFETCH(QM270Inputs, inputs);
    QFETCH(QStringList, expected);
    RecordingDialogue d;
    Module(d);
    RunOutcome outcome = RunQM270(d, inputs);
    QCOMPARE(int(outcome.kind), int(RunOutcome::Kind::Completed));
    QStringList got = ScriptRecords(d);
    for (qsizetype i = 0; i < std::min(got.size(), expected.size()); ++i) {
      if (got[i] != expected[i])
        QFAIL(qPrintable(QString("record %1: got %2, expected %3").arg(i).arg(got[i], expected[i])));
    }
    QCOMPARE(got.size(), expected.size());
    QCOMPARE(d.RecordsOf(Kind::Close).size(), std::size_t(1));
    QCOMPARE(d.Values().ProgressDivisor.load(), 0);
  }

  void bootCatchSendsBangsUntilTheModuleAnswers() {
    RecordingDialogue d;
    Module(d);
    QM270Inputs in = Inputs("192.168.001.010", false, false);
    in.link.port = 7;
    RunQM270(d, in);
    QCOMPARE(d.questions.size(), std::size_t(1));
    QCOMPARE(d.questions[0].title, std::string("Program QM270 Device via Serial Connection"));
    QVERIFY(
        d.questions[0].text.starts_with("You must now connect your serial cable from your computers port # 7 to "
                                        "the QM270 Device.\r\n\r\nEnsure that the QM270\u2019s system"));
    QCOMPARE(d.RecordsOf(Kind::OpenSerial)[0].text, std::string("COM7 9600,n,8,1"));
    // Two cycles of three: the module answers during the first, the check
    // comes at the start of each.
    std::string sent = d.Sent();
    QCOMPARE(QString::fromStdString(sent.substr(0, sent.find("xyz"))), QString("!!!"));
    std::vector<RecordingDialogue::Record> statuses = d.RecordsOf(Kind::Status);
    QCOMPARE(statuses[0].text, std::string("Waiting for QM270 Reset or Power Cycle"));
    QCOMPARE(statuses[1].text, std::string("Waiting for QM270 Reset or Power Cycle "));
    QCOMPARE(d.ChipVersionLabel(), std::string("Product Type        : XPort AR (0x6C)\r\n"
                                               "FW Version / Date   : 4.2.0.1R5 / Jan 10 2012\r\n"));
  }

  void escapeDuringTheBootCatchCancels() {
    RecordingDialogue d;
    Module(d, kShowAnswer, false);
    d.escapeAt = 4.0;
    RunOutcome outcome = RunQM270(d, Inputs("192.168.001.010", false, false));
    QCOMPARE(int(outcome.kind), int(RunOutcome::Kind::Cancelled));
    QVERIFY(d.Sent().find_first_not_of('!') == std::string::npos);
    QCOMPARE(d.Sent().size(), std::size_t(9));  // acted on at the end of the cycle under way
    QCOMPARE(d.RecordsOf(Kind::Close).size(), std::size_t(1));
  }

  void productCheck_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("passes");
    QTest::newRow("two characters") << "ok" << false;
    QTest::newRow("no product line") << "show\r\nconfig:enable# " << false;
    QTest::newRow("product type only, any product") << "\r\n Product Type        : Something else \r\n#" << true;
    QTest::newRow("other spacing before the colon") << "\r\nProduct Type       : XPort AR\r\n#" << false;
    QTest::newRow("firmware line only") << "FW Version / Date   : 1.0\r\n" << true;
  }
  void productCheck() {
    QFETCH(QString, answer);
    QFETCH(bool, passes);
    RecordingDialogue d;
    Module(d, answer.toStdString());
    RunOutcome outcome = RunQM270(d, Inputs("192.168.001.010", false, false));
    if (passes) {
      QCOMPARE(int(outcome.kind), int(RunOutcome::Kind::Completed));
      return;
    }
    QCOMPARE(int(outcome.kind), int(RunOutcome::Kind::CommunicationFailure));
    QCOMPARE(outcome.description, std::string(kMissingProductInfo));
    std::string sent = d.Sent();
    QVERIFY(sent.ends_with("xyzshow\r"));  // nothing of the script
    QCOMPARE(d.RecordsOf(Kind::Close).size(), std::size_t(1));
  }

  void productLinesKeepTheirInnerBlanks() {
    QCOMPARE(ProductInfoLines("a\r\n   Product Type        : XPort  AR   \r\nb"),
             std::string("Product Type        : XPort  AR\r\n"));
    QCOMPARE(ProductInfoLines("nothing here"), std::string());
  }

  void reverseRunRefusesAKeyOfTheWrongLength_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("ipOnly");
    QTest::addColumn<bool>("refused");
    QTest::newRow("empty key") << int(KeySize::Bits128) << "" << false << true;
    QTest::newRow("128-bit key for 192 bits") << int(KeySize::Bits192) << k128 << false << true;
    QTest::newRow("256-bit key for 256 bits") << int(KeySize::Bits256) << k256 << false << false;
    QTest::newRow("empty key, IP-only") << int(KeySize::Bits128) << "" << true << false;
  }
  void reverseRunRefusesAKeyOfTheWrongLength() {
    QFETCH(int, size);
    QFETCH(QString, key);
    QFETCH(bool, ipOnly);
    QFETCH(bool, refused);
    RecordingDialogue d;
    Module(d);
    QM270Inputs in = Inputs("192.168.001.010", true, ipOnly);
    in.dataKey.size = static_cast<KeySize>(size);
    in.dataKey.key = key.toStdString();
    RunOutcome outcome = RunQM270(d, in);
    QCOMPARE(outcome.kind == RunOutcome::Kind::InputRejected, refused);
    if (refused) QVERIFY(d.Records().empty());
  }

  void frenchPausesAreFixed() {
    RecordingDialogue d;
    Module(d);
    d.SetTiming([](std::string_view name) -> std::optional<std::string> { return name == "ProgramWait" ? "2" : "1"; },
                kFrenchOffset);
    RunQM270(d, Inputs("192.168.001.010", false, true));
    std::vector<RecordingDialogue::Record> waits = d.RecordsOf(Kind::Wait);
    QCOMPARE(waits.front().seconds, 0.5);
    QCOMPARE(waits.back().seconds, 0.2);
  }
};

QTEST_APPLESS_MAIN(TestQM270Script)
#include "tst_qm270_script.moc"
