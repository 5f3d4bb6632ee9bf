#include <QtTest>

#include "platform/operating_system_text.h"

using namespace dorvane::platform;

Q_DECLARE_METATYPE(std::string)

class TestOperatingSystemText : public QObject {
  Q_OBJECT

 private slots:
  void osRelease_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("prettyName");  // null: not set
    QTest::newRow("Debian") << "NAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\nID=debian\n"
                            << "Debian GNU/Linux 12 (bookworm)";
    QTest::newRow("unquoted") << "PRETTY_NAME=Alpine\n"
                              << "Alpine";
    QTest::newRow("single quotes") << "PRETTY_NAME='Fedora Linux 40'\n"
                                   << "Fedora Linux 40";
    QTest::newRow("escapes") << "PRETTY_NAME=\"A \\\"quoted\\\" \\$name\"\n"
                             << "A \"quoted\" $name";
    QTest::newRow("CR LF lines") << "ID=x\r\nPRETTY_NAME=\"X 1\"\r\n"
                                 << "X 1";
    QTest::newRow("longer key is another key") << "PRETTY_NAME_EXTRA=\"no\"\n" << QString();
    QTest::newRow("missing") << "NAME=Foo\n" << QString();
  }
  void osRelease() {
    QFETCH(QString, text);
    QFETCH(QString, prettyName);
    std::optional<std::string> value = OsReleaseValue(text.toStdString(), "PRETTY_NAME");
    QCOMPARE(value.has_value(), !prettyName.isNull());
    if (value) QCOMPARE(QString::fromStdString(*value), prettyName);
  }

  void windowsNames_data() {
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("build");
    QTest::addColumn<QString>("name");  // null: not known by name
    QTest::newRow("2000") << 5 << 0 << 2195 << "Windows 2000";
    QTest::newRow("XP") << 5 << 1 << 2600 << "Windows XP";
    QTest::newRow("2003") << 5 << 2 << 3790 << "Windows Server 2003";
    QTest::newRow("Vista") << 6 << 0 << 6002 << "Windows Vista or Server 2008";
    QTest::newRow("7") << 6 << 1 << 7601 << "Windows 7 or Server 2008 R2";
    QTest::newRow("8") << 6 << 2 << 9200 << "Windows 8 or Server 2012";
    QTest::newRow("8.1 is not in the table") << 6 << 3 << 9600 << QString();
    QTest::newRow("10 22H2") << 10 << 0 << 19045 << "Windows 10 or Server 2016 to 2022";
    QTest::newRow("Server 2022") << 10 << 0 << 20348 << "Windows 10 or Server 2016 to 2022";
    QTest::newRow("11 first build") << 10 << 0 << 22000 << "Windows 11 or Server 2025";
    QTest::newRow("11 24H2") << 10 << 0 << 26100 << "Windows 11 or Server 2025";
    QTest::newRow("NT 4") << 4 << 0 << 1381 << QString();
  }
  void windowsNames() {
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, build);
    QFETCH(QString, name);
    std::optional<std::string> known = WindowsName(major, minor, build);
    QCOMPARE(known.has_value(), !name.isNull());
    if (known) QCOMPARE(QString::fromStdString(*known), name);
  }

  void versionText_data() {
    QTest::addColumn<std::string>("servicePack");
    QTest::addColumn<QString>("text");
    QTest::newRow("service pack") << std::string("Service Pack 1") << "6.1 Service Pack 1";
    QTest::newRow("none keeps the blank") << std::string() << "6.1 ";
    QTest::newRow("NUL padded field") << std::string("Service Pack 2\0\0junk", 20) << "6.1 Service Pack 2";
  }
  void versionText() {
    QFETCH(std::string, servicePack);
    QTEST(QString::fromStdString(WindowsVersionText(6, 1, servicePack)), "text");
  }
};

QTEST_APPLESS_MAIN(TestOperatingSystemText)
#include "tst_operating_system_text.moc"
