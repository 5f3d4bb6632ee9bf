#include <QtTest>

#include "base/localised_text.h"
#include "platform/locale_table.h"

using namespace dorvane;
using namespace dorvane::platform;

class TestLocaleTable : public QObject {
  Q_OBJECT

 private slots:
  // The identifier decides the start-up language (only the six French
  // locales open in French) and the regional-settings hint (every locale but
  // 1033); the caption shows the country of the user's own locale.
  void lookup_data() {
    QTest::addColumn<QString>("posix");
    QTest::addColumn<uint>("localeId");
    QTest::addColumn<QString>("country");
    QTest::addColumn<bool>("french");
    QTest::newRow("en_US") << "en_US.UTF-8" << 1033u << "United States" << false;
    QTest::newRow("fr_FR") << "fr_FR.UTF-8" << 1036u << "France" << true;
    QTest::newRow("fr_BE") << "fr_BE.UTF-8" << 2060u << "Belgium" << true;
    QTest::newRow("fr_CA") << "fr_CA.UTF-8" << 3084u << "Canada" << true;
    QTest::newRow("fr_CH") << "fr_CH.UTF-8" << 4108u << "Switzerland" << true;
    QTest::newRow("fr_LU") << "fr_LU.UTF-8" << 5132u << "Luxembourg" << true;
    QTest::newRow("fr_MC") << "fr_MC.UTF-8" << 6156u << "Monaco" << true;
    QTest::newRow("fr_SN is French but no French locale") << "fr_SN.UTF-8" << 4096u << "Senegal" << false;
    QTest::newRow("fr_CM") << "fr_CM.UTF-8" << 4096u << "Cameroon" << false;
    QTest::newRow("es_HN is not Spain") << "es_HN.UTF-8" << 4096u << "Honduras" << false;
    QTest::newRow("en_SG is not the United States") << "en_SG.UTF-8" << 4096u << "Singapore" << false;
    QTest::newRow("es_ES") << "es_ES.UTF-8" << 4096u << "Spain" << false;
    QTest::newRow("es_MX") << "es_MX" << 4096u << "Mexico" << false;
    QTest::newRow("en_GB") << "en_GB.UTF-8" << 4096u << "United Kingdom" << false;
    QTest::newRow("de_DE") << "de_DE.UTF-8" << 4096u << "Germany" << false;
    QTest::newRow("modifier") << "fr_FR.ISO-8859-15@euro" << 1036u << "France" << true;
    QTest::newRow("dash form") << "fr-CA" << 3084u << "Canada" << true;
    QTest::newRow("lower-case country") << "fr_ca.utf8" << 3084u << "Canada" << true;
    QTest::newRow("country Qt has no French data for") << "fr_US.UTF-8" << 4096u << "United States" << false;
    QTest::newRow("language alone: its main country") << "fr" << 1036u << "France" << true;
    QTest::newRow("C") << "C" << 1033u << "United States" << false;
    QTest::newRow("C.UTF-8") << "C.UTF-8" << 1033u << "United States" << false;
    QTest::newRow("POSIX") << "POSIX" << 1033u << "United States" << false;
    QTest::newRow("empty") << "" << 1033u << "United States" << false;
    QTest::newRow("unknown language") << "xx_YY" << 1033u << "United States" << false;
  }
  void lookup() {
    QFETCH(QString, posix);
    LocaleFacts facts = PosixLocaleFacts(posix.toStdString());
    QTEST(uint(facts.localeId), "localeId");
    QTEST(QString::fromStdString(facts.country), "country");
    QTEST(LanguageOffsetForLocale(facts.localeId) == kFrenchOffset, "french");
  }

  // Qt's locale data in the Windows notation: the year in full, no time
  // zone, "tt" for AM/PM.
  void patterns_data() {
    QTest::addColumn<QString>("posix");
    QTest::addColumn<QString>("shortDate");
    QTest::addColumn<QString>("timeFormat");
    QTest::newRow("en_US") << "en_US.UTF-8" << "M/d/yyyy" << "h:mm:ss tt";
    QTest::newRow("en_GB") << "en_GB.UTF-8" << "dd/MM/yyyy" << "HH:mm:ss";
    QTest::newRow("en_SG") << "en_SG.UTF-8" << "d/M/yyyy" << "h:mm:ss tt";
    QTest::newRow("fr_FR") << "fr_FR.UTF-8" << "dd/MM/yyyy" << "HH:mm:ss";
    QTest::newRow("quoted text stays") << "fr_CA.UTF-8" << "yyyy-MM-dd" << "HH 'h' mm 'min' ss 's'";
    QTest::newRow("time zone in brackets") << "es_ES.UTF-8" << "d/M/yyyy" << "H:mm:ss";
    QTest::newRow("de_DE") << "de_DE.UTF-8" << "dd.MM.yyyy" << "HH:mm:ss";
    QTest::newRow("C is United States English") << "C" << "M/d/yyyy" << "h:mm:ss tt";
  }
  void patterns() {
    QFETCH(QString, posix);
    LocaleFacts facts = PosixLocaleFacts(posix.toStdString());
    QTEST(QString::fromStdString(facts.shortDate), "shortDate");
    QTEST(QString::fromStdString(facts.timeFormat), "timeFormat");
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
