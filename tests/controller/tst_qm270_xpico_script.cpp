// The QM270 Rev. B run on the recording runner: each variant's sends and
// waits written out by hand from the answer table, the record block read
// back by a reader of its own, the boot catches, and the refusal of a key
// size chosen with a key of the wrong length.

#include <QtTest>

#include "../boards/setup_menu_rows.h"
#include "controller/qm270_xpico_script.h"
#include "dialogue/recording_dialogue.h"
#include "dialogue/run_values.h"

using namespace dorvane;
using namespace dorvane::testing;
using Kind = RecordingDialogue::Kind;

Q_DECLARE_METATYPE(dorvane::QM270XPicoInputs)

namespace {

const QString k128 = "00112233445566778899AABBCCDDEEFF";
const QString k256 = k128 + "FFEEDDCCBBAA99887766554433221100";

std::string XPicoBanner(const char* version, bool named = true) {
  return std::string(named ? "*** XPICO ***\r\n" : "*** ***\r\n") + "MAC address 00204A123456\r\nSoftware version " +
         version + " (260101)\r\n\r\nPress Enter for Setup Mode\r\n";
}

// The module: from 1 s on it answers the first "x" with its banner, and
// after "RS" it restarts and does so again.
void Module(RecordingDialogue& d, const std::string& banner) {
  d.onSend = [banner, awake = false](RecordingDialogue& r, std::string_view sent) mutable {
    if (sent == "RS\r") awake = false;
    if (sent == "x" && !awake && r.Now() >= 1.0) {
      awake = true;
      r.ArriveSerial(r.Now() + 0.1, banner);
    }
  };
}

// One cycle of the boot catch: the module answers during it.
void BootCatch(Seq& s) {
  for (int i = 0; i < 3; ++i) s.Send("x").Wait(0.5);
}

void RecordBlock(Seq& s) {
  s.Send("M").Wait(5).Send("S7\\n\r").Wait(1);
  for (const char* line : {":200000100500000000000000000000000000000000000000000000000000000000000000CB",
                           ":200020100000000000000000000000000000000000000000000000000000000000000000B0",
                           ":20004010000000000000000000000000000000000000000000000000000000000000000090",
                           ":1E00601000000000000000000000000000000000000000000000000000000000000072", ":00000001FF"}) {
    s.Send(line).Wait(1);
  }
  s.Send("\\n\r").Wait(1).Send("RS\r").Wait(2);
}

struct Rows {
  QStringList address = {"192", "168", "001", "010"};
  bool v68 = true;
  bool zeroAddress = false;
  bool serverOnly = false;
  QString port15 = "3001";
  QString mode = "C0";
  QString port21 = "0";
  QString ethernet = "0";
  QString disable77FE = "Y";
  bool bareCR = false;
  QString bits;  // empty: no encryption
  QString key;
};

// Rows 1 to 43 after the menu's "0".
void MenuRows(Seq& s, const Rows& r) {
  s.Menu().A("0\r");
  for (const QString& f : r.address) s.A(f + "\r");
  s.A("Y");
  for (const char* f : {"192", "168", "001", "001"}) s.A(QString(f) + "\r");
  s.A("16\r");
  if (r.v68) s.A("N");
  s.A("N");
  if (r.zeroAddress) s.A("N");
  if (r.v68) s.A("N");
  s.Menu();
  if (!r.serverOnly) {
    s.A("1\r").A("115200\r").A("4C\r").A("00\r").A(r.port15 + "\r").A(r.mode + "\r").A("Y").A("N").A("N");
    for (int i = 0; i < 4; ++i) s.A("000\r");
    s.A(r.port21 + "\r");
    for (const char* a : {"00\r", "80\r", "01\r", "15\r", "00\r", "00\r", "00\r"}) s.A(a);
    s.Menu();
    for (const char* a : {"5\r", "45\r", "600\r", "0\r", "N", "80\r", "1400\r", "500\r", "N"}) s.A(a);
    s.A(r.ethernet + "\r").Menu();
    s.A("6\r").A("Y").A("N").A("N").A(r.disable77FE);
    if (r.bareCR) s.Send("\r");
    s.A("Y").A("Y").A("Y");
    if (r.bits.isEmpty()) {
      s.A("N");
    } else {
      s.A("Y").A(r.bits + "\r").A("Y");
      for (int at = 0; at < r.key.size(); at += 2) s.A(r.key.mid(at, 2));
    }
    s.A("N").A("Y");
  }
  s.Menu().Send("9\r");
}

QM270XPicoInputs Inputs() {
  QM270XPicoInputs in;
  in.server.address = "192.168.001.010";
  in.server.gateway = "192.168.001.001";
  in.server.subnetIndex = 1;  // 255.255.000.000: 16 host bits
  return in;
}

QStringList Expected(const Rows& rows, bool reverse = false) {
  Seq s(0.2);
  BootCatch(s);
  if (reverse) {
    RecordBlock(s);
    BootCatch(s);
  }
  MenuRows(s, rows);
  return s.Items();
}

// An Intel HEX reader of the test's own: the record's fields, its
// checksum tested against the byte sum, and nothing of the code's.
struct Record {
  int count = -1;
  int address = -1;
  int type = -1;
  QByteArray data;
  bool checksumFits = false;
};

Record ReadRecord(const QString& line) {
  Record r;
  if (!line.startsWith(':') || line.size() % 2 == 0) return r;
  QByteArray bytes = QByteArray::fromHex(line.mid(1).toLatin1());
  if (bytes.size() < 5 || bytes.size() * 2 != line.size() - 1) return r;
  r.count = static_cast<unsigned char>(bytes[0]);
  r.address = static_cast<unsigned char>(bytes[1]) * 256 + static_cast<unsigned char>(bytes[2]);
  r.type = static_cast<unsigned char>(bytes[3]);
  r.data = bytes.mid(4, bytes.size() - 5);
  int sum = 0;
  for (char b : bytes) sum += static_cast<unsigned char>(b);
  r.checksumFits = sum % 256 == 0;  // the checksum byte completes the sum to a multiple of 256
  return r;
}

}  // namespace

class TestQM270XPicoScript : public QObject {
  Q_OBJECT

 private slots:
  void variants_data() {
    QTest::addColumn<QM270XPicoInputs>("inputs");
    QTest::addColumn<QString>("firmware");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("no encryption") << Inputs() << "V6.10.0.0" << Expected({});
    {
      QM270XPicoInputs in = Inputs();
      in.dataKey = DataKey{KeySize::Bits128, k128.toStdString()};
      Rows r;
      r.bits = "128";
      r.key = k128;
      QTest::newRow("128-bit") << in << "V6.10.0.0" << Expected(r);
    }
    {
      QM270XPicoInputs in = Inputs();
      in.reverse.saved = true;
      in.reverse.portText = "5000";
      in.reverse.staticLocalPort = true;
      in.dataKey = DataKey{KeySize::Bits256, k256.toStdString()};
      Rows r;
      r.port15 = "5000";
      r.mode = "06";
      r.port21 = "5000";
      r.bits = "256";
      r.key = k256;
      QTest::newRow("reverse, static port") << in << "V6.10.0.0" << Expected(r, true);
    }
    {
      QM270XPicoInputs in = Inputs();
      in.reverse.saved = true;
      in.reverse.portText = "5000";
      in.dataKey = DataKey{KeySize::Bits128, k128.toStdString()};
      Rows r;
      r.port15 = "0";  // the dynamic local port
      r.mode = "06";
      r.port21 = "5000";
      r.bits = "128";
      r.key = k128;
      QTest::newRow("reverse, dynamic port") << in << "V6.10.0.0" << Expected(r, true);
    }
    {
      // The rows of 6.8 and later go out whatever the banner said.
      QM270XPicoInputs in = Inputs();
      in.defaultOnly = true;
      Rows r;
      r.serverOnly = true;
      QTest::newRow("server only, older firmware") << in << "V6.7.0.0" << Expected(r);
      r.v68 = false;
      r.serverOnly = false;
      QTest::newRow("older firmware") << Inputs() << "V6.7.0.0" << Expected(r);
    }
    {
      QM270XPicoInputs in = Inputs();
      in.disable77FE = false;
      Rows r;
      r.disable77FE = "N";
      r.bareCR = true;
      QTest::newRow("6.10, 77FE left open: bare CR") << in << "V6.10.0.0" << Expected(r);
      r.bareCR = false;
      QTest::newRow("6.9, 77FE left open") << in << "V6.9.0.0" << Expected(r);
    }
    for (const char* address : {"000.000.000.000", "000.000.001.000"}) {
      QM270XPicoInputs in = Inputs();
      in.server.address = address;
      Rows r;
      r.address = QString(address).split('.');
      r.zeroAddress = true;
      QTest::newRow(address) << in << "V6.10.0.0" << Expected(r);
    }
    {
      QM270XPicoInputs in = Inputs();
      in.ethernetIndex = 1;
      Rows r;
      r.ethernet = "2";
      QTest::newRow("Ethernet position 1") << in << "V6.8.0.0" << Expected(r);
      in.ethernetIndex = 4;
      r.ethernet = "5";
      QTest::newRow("Ethernet position 4") << in << "V6.8.0.0" << Expected(r);
    }
  }
  void variants() {
    QFETCH(QM270XPicoInputs, inputs);
    QFETCH(QString, firmware);
    QFETCH(QStringList, expected);
    RecordingDialogue d;
    Module(d, XPicoBanner(firmware.toLatin1().constData()));
    RunOutcome outcome = RunQM270XPico(d, inputs);
    QCOMPARE(int(outcome.kind), int(RunOutcome::Kind::Completed));
    QStringList got = Actual(d);
    for (qsizetype i = 0; i < std::min(got.size(), expected.size()); ++i) {
      if (got[i] != expected[i])
        QFAIL(qPrintable(QString("item %1: got %2, expected %3").arg(i).arg(got[i], expected[i])));
    }
    QCOMPARE(got.size(), expected.size());
    QCOMPARE(d.RecordsOf(Kind::Close).size(), std::size_t(1));
    QCOMPARE(d.RecordsOf(Kind::ClearArp).size(), std::size_t(1));
    QCOMPARE(d.Values().ProgressDivisor.load(), 0);
  }

  void recordLinesAreWellFormed() {
    QByteArray block;
    int expectedAddress = 0;
    for (std::size_t i = 0; i < kXPicoRecordLines.size(); ++i) {
      const QString line = kXPicoRecordLines[i];
      Record r = ReadRecord(line);
      QVERIFY2(r.count >= 0, qPrintable(line));
      QCOMPARE(r.data.size(), r.count);
      QVERIFY2(r.checksumFits, qPrintable(line));
      QCOMPARE(line, line.toUpper());
      if (i + 1 == kXPicoRecordLines.size()) {
        QCOMPARE(r.type, 0x01);  // end of file
        QCOMPARE(r.count, 0);
        continue;
      }
      QCOMPARE(r.type, 0x10);  // the module's own data type, kept as it takes it
      QCOMPARE(r.address, expectedAddress);
      expectedAddress += r.count;
      block += r.data;
    }
    QCOMPARE(block.size(), 126);  // 0000 .. 007D
    QCOMPARE(int(block[0]), 5);
    QCOMPARE(block.mid(1), QByteArray(125, '\0'));
  }

  void bootCatchesAndTheRecordStep() {
    RecordingDialogue d;
    Module(d, XPicoBanner("V6.10.0.0"));
    QM270XPicoInputs in = Inputs();
    in.link.port = 3;
    in.reverse.saved = true;
    in.dataKey = DataKey{KeySize::Bits128, k128.toStdString()};
    RunQM270XPico(d, in);
    QCOMPARE(d.questions.size(), std::size_t(1));
    QCOMPARE(d.questions[0].title, std::string("Program QM270 Rev. B Device via Serial Connection"));
    QCOMPARE(d.questions[0].text,
             std::string("You must now connect your serial cable from your computers port # 3 to the QM270 Rev. B "
                         "Device.\r\n\r\nEnsure that the QM270 Rev. B system configuration switches S1 10 and 11 are "
                         "in the on position. Then Power Cycle the QM270 Rev. B Device.\r\n\r\nOnce you have "
                         "completed this then press the OK button to continue."));
    QCOMPARE(d.RecordsOf(Kind::OpenSerial)[0].text, std::string("COM3 9600,n,8,1"));
    // The ARP table goes before the box; the link opens after it.
    QVERIFY(d.RecordsOf(Kind::ClearArp)[0].time <= d.RecordsOf(Kind::Ask)[0].time);
    QStringList statuses;
    for (const auto& r : d.RecordsOf(Kind::Status)) statuses << QString::fromStdString(r.text);
    const QString waiting = "Waiting for QM270 Rev. B Reset or Power Cycle";
    QCOMPARE(statuses.mid(0, 5),
             QStringList({"Clearing ARP Address", "Clearing ARP Address Completed", waiting, waiting + " ", waiting}));
    QCOMPARE(statuses[5], waiting + " ");
    QCOMPARE(statuses[6], QString("Server Configuration"));
    // The record step's waits move no progress bar.
    bool inRecords = false;
    for (const auto& r : d.Records()) {
      if (r.kind == Kind::Send && r.text == "M") inRecords = true;
      if (r.kind == Kind::Send && r.text == "\r") inRecords = false;
      if (inRecords && r.kind == Kind::Progress) QVERIFY(r.step.kind != ProgressKind::Advance);
    }
    QVERIFY(d.ChipVersionLabel().starts_with("Software version V6.10.0.0"));
  }

  void aBannerWithoutTheModulesNameIsNeverTaken() {
    RecordingDialogue d;
    Module(d, XPicoBanner("V6.10.0.0", false));
    d.escapeAt = 20;
    RunOutcome outcome = RunQM270XPico(d, Inputs());
    QCOMPARE(int(outcome.kind), int(RunOutcome::Kind::Cancelled));
    QVERIFY(d.Sent().find_first_not_of('x') == std::string::npos);
    QCOMPARE(d.RecordsOf(Kind::Close).size(), std::size_t(1));
  }

  void escapeDuringTheSecondBootCatchCancels() {
    RecordingDialogue d;
    // Greets once, never again after its restart.
    d.onSend = [greeted = false](RecordingDialogue& r, std::string_view sent) mutable {
      if (sent == "x" && !greeted) {
        greeted = true;
        r.ArriveSerial(r.Now() + 0.1, XPicoBanner("V6.10.0.0"));
      }
    };
    d.escapeAt = 30;
    QM270XPicoInputs in = Inputs();
    in.reverse.saved = true;
    in.dataKey = DataKey{KeySize::Bits128, k128.toStdString()};
    RunOutcome outcome = RunQM270XPico(d, in);
    QCOMPARE(int(outcome.kind), int(RunOutcome::Kind::Cancelled));
    std::string sent = d.Sent();
    const std::string afterRestart = sent.substr(sent.find("RS\r") + 3);
    QVERIFY(!afterRestart.empty());
    QVERIFY(afterRestart.find_first_not_of('x') == std::string::npos);
    QCOMPARE(d.RecordsOf(Kind::Close).size(), std::size_t(1));
  }

  void aKeySizeWithAKeyOfTheWrongLengthIsRefused_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("reverse");
    QTest::addColumn<bool>("refused");
    QTest::newRow("empty key, no reverse") << int(KeySize::Bits128) << "" << false << true;
    QTest::newRow("128-bit key for 192 bits, reverse") << int(KeySize::Bits192) << k128 << true << true;
    QTest::newRow("256-bit key for 256 bits") << int(KeySize::Bits256) << k256 << false << false;
    QTest::newRow("no encryption, empty key") << -1 << "" << false << false;
  }
  void aKeySizeWithAKeyOfTheWrongLengthIsRefused() {
    QFETCH(int, size);
    QFETCH(QString, key);
    QFETCH(bool, reverse);
    QFETCH(bool, refused);
    RecordingDialogue d;
    Module(d, XPicoBanner("V6.10.0.0"));
    QM270XPicoInputs in = Inputs();
    if (size >= 0) in.dataKey = DataKey{static_cast<KeySize>(size), key.toStdString()};
    in.reverse.saved = reverse;
    RunOutcome outcome = RunQM270XPico(d, in);
    QCOMPARE(outcome.kind == RunOutcome::Kind::InputRejected, refused);
    if (refused) QVERIFY(d.Records().empty());
  }

  void keysAreMaskedInTheTranscript() {
    RecordingDialogue d;
    std::string transcript;
    d.log = TranscriptLog([&transcript](const std::string& line) { transcript += line + "\n"; }, false);
    Module(d, XPicoBanner("V6.10.0.0"));
    QM270XPicoInputs in = Inputs();
    in.dataKey = DataKey{KeySize::Bits128, k128.toStdString()};
    RunQM270XPico(d, in);
    QVERIFY(transcript.find("\"128\\r\"") != std::string::npos);
    QVERIFY(transcript.find("AABB") == std::string::npos);
    QVERIFY(transcript.find("EEFF") == std::string::npos);
  }
};

QTEST_APPLESS_MAIN(TestQM270XPicoScript)
#include "tst_qm270_xpico_script.moc"
