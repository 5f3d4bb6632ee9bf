#include <QtTest>

#include "diagnostics/host_fact_texts.h"

using namespace dorvane;

namespace {

constexpr std::uint64_t kGiB = 1024ULL * 1024 * 1024;

QString Shown(const std::optional<LabelValue>& value) {
  if (!value) return "(unchanged)";
  return QString::fromStdString(value->text) + (value->colour == ValueColour::kLightRed ? " [red]" : "");
}

}  // namespace

class TestHostFactTexts : public QObject {
  Q_OBJECT

 private slots:
  void colourDepth_data() {
    QTest::addColumn<int>("bits");
    QTest::addColumn<QString>("text");
    QTest::newRow("4") << 4 << "(16 Color)";
    QTest::newRow("8") << 8 << "(256 Color)";
    QTest::newRow("16") << 16 << "(High Color)";
    QTest::newRow("24") << 24 << "(True Color)";
    QTest::newRow("32") << 32 << "(True Color)";
    QTest::newRow("15") << 15 << "";
    QTest::newRow("1") << 1 << "";
    QTest::newRow("0") << 0 << "";
  }
  void colourDepth() {
    QFETCH(int, bits);
    QTEST(QString::fromStdString(ColourDepthText(bits)), "text");
  }

  void screen_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("bits");
    QTest::addColumn<QString>("shown");
    QTest::newRow("full HD") << 1920 << 1080 << 32 << "1920 x 1080 (True Color)";
    QTest::newRow("the minimum") << 1024 << 768 << 24 << "1024 x 768 (True Color)";
    QTest::newRow("720p is too low") << 1280 << 720 << 32 << "1280 x 720 (True Color) [red]";
    QTest::newRow("one pixel narrow") << 1023 << 768 << 32 << "1023 x 768 (True Color) [red]";
    QTest::newRow("one pixel low") << 1024 << 767 << 32 << "1024 x 767 (True Color) [red]";
    QTest::newRow("high colour") << 1280 << 1024 << 16 << "1280 x 1024 (High Color)";
    QTest::newRow("unnamed depth keeps its blank") << 1280 << 1024 << 15 << "1280 x 1024 ";
  }
  void screen() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, bits);
    QTEST(Shown(ScreenValue(ScreenFacts{width, height, bits})), "shown");
  }

  void noWindowSystemIsNoScreen() { QCOMPARE(Shown(ScreenValue(std::nullopt)), QString("Not Available [red]")); }

  void freeSpace_data() {
    QTest::addColumn<quint64>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("1.5 GiB on a 4 TB drive") << quint64(kGiB + kGiB / 2) << "1.50 GB";
    QTest::newRow("not ready") << quint64(0) << "0.00 GB";
    QTest::newRow("one byte") << quint64(1) << "0.00 GB";
    QTest::newRow("rounds up") << quint64(2 * kGiB - 1024 * 1024) << "2.00 GB";
    QTest::newRow("rounds down") << quint64(kGiB + kGiB / 1000) << "1.00 GB";
    QTest::newRow("terabytes") << quint64(3725ULL * kGiB + kGiB / 4) << "3725.25 GB";
  }
  void freeSpace() {
    QFETCH(quint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(FreeSpaceText(bytes)), text);
    QCOMPARE(Shown(FreeSpaceValue(bytes)), text);
  }

  void freeSpaceIgnoresTheLocale() {
    // Qt applications take LC_NUMERIC from the environment; the value must not.
    const char* previous = std::setlocale(LC_NUMERIC, "fr_FR.UTF-8");
    if (!previous) QSKIP("no French locale installed to try");
    QString text = QString::fromStdString(FreeSpaceText(kGiB + kGiB / 2));
    std::setlocale(LC_NUMERIC, "C");
    QCOMPARE(text, QString("1.50 GB"));
  }

  void operatingSystemValues_data() {
    QTest::addColumn<int>("platform");
    QTest::addColumn<bool>("administrator");
    QTest::addColumn<bool>("named");
    QTest::addColumn<QStringList>("shown");  // admin, name, version
    QTest::newRow("Win 3.1") << 0 << true << true
                             << QStringList{"Not Applicable [red]", "Win 3.1 [red]", "Not Supported [red]"};
    QTest::newRow("Win 9x") << 1 << true << true << QStringList{"Not Applicable", "Win 9x", "4.10 A"};
    QTest::newRow("NT, administrator") << 2 << true << true << QStringList{"True", "Windows 7", "4.10 A"};
    QTest::newRow("NT, user") << 2 << false << true << QStringList{"False [red]", "Windows 7", "4.10 A"};
    QTest::newRow("NT, unknown version keeps the name")
        << 2 << true << false << QStringList{"True", "(unchanged)", "4.10 A"};
    QTest::newRow("unknown platform changes nothing")
        << 3 << true << true << QStringList{"(unchanged)", "(unchanged)", "(unchanged)"};
  }
  void operatingSystemValues() {
    QFETCH(int, platform);
    QFETCH(bool, administrator);
    QFETCH(bool, named);
    dorvane::platform::OperatingSystemFacts facts{
        platform, named ? std::optional<std::string>("Windows 7") : std::nullopt, "4.10 A"};
    OperatingSystemValues values = OperatingSystemLabelValues(facts, administrator);
    QTEST((QStringList{Shown(values.admin), Shown(values.name), Shown(values.version)}), "shown");
  }

  void dhcpValue() {
    QCOMPARE(Shown(DhcpValue(true)), QString("True [red]"));
    QCOMPARE(Shown(DhcpValue(false)), QString("False"));
  }
};

QTEST_APPLESS_MAIN(TestHostFactTexts)
#include "tst_host_fact_texts.moc"
