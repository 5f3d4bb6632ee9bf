#include <QtTest>

#include "base/ip_address.h"
#include "base/localised_text.h"

using namespace dorvane;

class TestIpAddress : public QObject {
  Q_OBJECT

 private slots:
  void validate_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("normalized");
    QTest::newRow("plain") << "192.168.1.10" << true << "192.168.001.010";
    QTest::newRow("two dots") << "192.168.1" << false << "";
    QTest::newRow("256") << "192.168.1.256" << false << "";
    QTest::newRow("empty field") << "192.168..10" << false << "";
    QTest::newRow("negative") << "192.168.1.-1" << false << "";
    QTest::newRow("negative zero is zero") << "192.168.1.-0" << true << "192.168.001.000";
    QTest::newRow("tabs in fields") << "192\t.168.1.\t10" << true << "192.168.001.010";
    QTest::newRow("blanks around") << " 192.168.1.10 " << true << "192.168.001.010";
    QTest::newRow("blanks in fields") << "192 . 168 .1. 10" << true << "192.168.001.010";
    QTest::newRow("five fields") << "1.2.3.4.5" << true << "001.002.003.004";
    QTest::newRow("fraction in last") << "1.2.3.255.9" << true << "001.002.003.255";
    QTest::newRow("six fields") << "1.2.3.4.5.6" << false << "";
    QTest::newRow("zeros") << "0.0.0.0" << true << "000.000.000.000";
    QTest::newRow("broadcast") << "255.255.255.255" << true << "255.255.255.255";
    QTest::newRow("already normal") << "010.001.001.001" << true << "010.001.001.001";
    QTest::newRow("letters") << "a.b.c.d" << false << "";
    QTest::newRow("hex") << "0x10.1.1.1" << false << "";
    QTest::newRow("empty") << "" << false << "";
    QTest::newRow("dots only") << "..." << false << "";
    QTest::newRow("huge") << "99999999999.1.1.1" << false << "";
    QTest::newRow("trailing dot reads as 4.") << "1.2.3.4." << true << "001.002.003.004";
  }
  void validate() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QString, normalized);
    std::optional<std::string> result = ValidateIPAddress(text.toStdString());
    QCOMPARE(result.has_value(), valid);
    QCOMPARE(QString::fromStdString(result.value_or("")), normalized);
  }

  void withoutLeadingZeros_data() {
    QTest::addColumn<QString>("normalized");
    QTest::addColumn<QString>("plain");
    QTest::newRow("all padded") << "010.001.001.001" << "10.1.1.1";
    QTest::newRow("zeros") << "000.000.000.000" << "0.0.0.0";
    QTest::newRow("full") << "192.168.100.254" << "192.168.100.254";
    // The ping box's own text once ValidateIPAddress has passed it.
    QTest::newRow("box: mixed") << "192.168.001.010" << "192.168.1.10";
    QTest::newRow("box: blanks around fields") << " 010 . 001.1. 1 " << "10.1.1.1";
    QTest::newRow("box: plus sign") << "+10.1.1.1" << "10.1.1.1";
    QTest::newRow("box: fifth field stays") << "1.2.3.4.5" << "1.2.3.4.5";
    QTest::newRow("box: trailing dot") << "1.2.3.4." << "1.2.3.4.0";
    // Found by fuzzing: the check lets tabs and a signed zero pass, and
    // ping was then given "0.0.\t.0" or "1.2.3.-0".
    QTest::newRow("box: tabs around fields") << "0.0.0\t.0" << "0.0.0.0";
    QTest::newRow("box: tab before a field") << "\t010.1.1.\t1" << "10.1.1.1";
    QTest::newRow("box: signed zero") << "1.2.3.-00" << "1.2.3.0";
  }
  void withoutLeadingZeros() {
    QFETCH(QString, normalized);
    QFETCH(QString, plain);
    QCOMPARE(QString::fromStdString(IPAddressWithoutLeadingZeros(normalized.toStdString())), plain);
  }
};

QTEST_APPLESS_MAIN(TestIpAddress)
#include "tst_ip_address.moc"
