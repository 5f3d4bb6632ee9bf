#include <QtTest>

#include "platform/locale_table.h"

using namespace dorvane::platform;

class TestLocaleTable : public QObject {
  Q_OBJECT

 private slots:
  void lookup_data() {
    QTest::addColumn<QString>("posix");
    QTest::addColumn<uint>("localeId");
    QTest::addColumn<QString>("country");
    QTest::newRow("en_US") << "en_US.UTF-8" << 1033u << "United States";
    QTest::newRow("fr_FR") << "fr_FR.UTF-8" << 1036u << "France";
    QTest::newRow("fr_BE") << "fr_BE.UTF-8" << 2060u << "Belgium";
    QTest::newRow("fr_CA") << "fr_CA.UTF-8" << 3084u << "Canada";
    QTest::newRow("fr_CH") << "fr_CH.UTF-8" << 4108u << "Switzerland";
    QTest::newRow("fr_LU") << "fr_LU.UTF-8" << 5132u << "Luxembourg";
    QTest::newRow("fr_MC") << "fr_MC.UTF-8" << 6156u << "Principality of Monaco";
    QTest::newRow("es_ES") << "es_ES.UTF-8" << 3082u << "Spain";
    QTest::newRow("es_MX") << "es_MX" << 2058u << "Mexico";
    QTest::newRow("modifier") << "fr_FR.ISO-8859-15@euro" << 1036u << "France";
    QTest::newRow("dash form") << "fr-CA" << 3084u << "Canada";
    QTest::newRow("unlisted French country") << "fr_SN.UTF-8" << 1036u << "France";
    QTest::newRow("C") << "C" << 1033u << "United States";
    QTest::newRow("C.UTF-8") << "C.UTF-8" << 1033u << "United States";
    QTest::newRow("empty") << "" << 1033u << "United States";
    QTest::newRow("unknown language") << "xx_YY" << 1033u << "United States";
  }
  void lookup() {
    QFETCH(QString, posix);
    const LocaleEntry& entry = LookupPosixLocale(posix.toStdString());
    QTEST(uint(entry.localeId), "localeId");
    QTEST(QString::fromStdString(std::string(entry.country)), "country");
  }

  void precedence_data() {
    QTest::addColumn<QByteArray>("lcAll");
    QTest::addColumn<QByteArray>("lcMessages");
    QTest::addColumn<QByteArray>("lang");
    QTest::addColumn<QString>("effective");
    QTest::newRow("LC_ALL wins") << QByteArray("fr_CA") << QByteArray("de_DE") << QByteArray("en_US") << "fr_CA";
    QTest::newRow("then LC_MESSAGES") << QByteArray() << QByteArray("de_DE") << QByteArray("en_US") << "de_DE";
    QTest::newRow("empty is unset") << QByteArray("") << QByteArray("") << QByteArray("en_US") << "en_US";
    QTest::newRow("nothing") << QByteArray() << QByteArray() << QByteArray() << "";
  }
  void precedence() {
    QFETCH(QByteArray, lcAll);
    QFETCH(QByteArray, lcMessages);
    QFETCH(QByteArray, lang);
    auto c = [](const QByteArray& v) { return v.isNull() ? nullptr : v.constData(); };
    QTEST(QString::fromStdString(EffectivePosixLocale(c(lcAll), c(lcMessages), c(lang))), "effective");
  }
};

QTEST_APPLESS_MAIN(TestLocaleTable)
#include "tst_locale_table.moc"
