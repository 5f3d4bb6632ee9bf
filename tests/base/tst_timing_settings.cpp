#include <QSettings>
#include <QtTest>

#include "base/localised_text.h"
#include "base/run_time_error.h"
#include "base/timing_settings.h"
#include "dialogue/dialogue.h"
#include "platform/settings_store.h"
#include "stored_setting.h"

using namespace dorvane;

// Each case writes the real per-user store (inside the test's own config
// folder) and reads it back through the platform reader.
class TestTimingSettings : public QObject {
  Q_OBJECT

  static void Store(const QString& name, const QString& value) { testing::StoreSetting(name, value); }

  static SettingReader Reader() { return [](std::string_view name) { return platform::ReadSetting(name); }; }

 private slots:
  void init() {
    Store(kProgramWaitName, QString());
    Store(kWaitValueName, QString());
  }

  void pauses_data() {
    QTest::addColumn<QString>("programWait");
    QTest::addColumn<QString>("waitValue");
    QTest::addColumn<int>("language");
    QTest::addColumn<double>("keystroke");
    QTest::addColumn<double>("serialAnswer");
    QTest::addColumn<double>("networkAnswer");
    QTest::newRow("defaults") << QString() << QString() << kEnglishOffset << 0.5 << 0.2 << 1.0;
    QTest::newRow("stored 2") << "2" << "0.3" << kEnglishOffset << 2.0 << 0.3 << 0.3;
    QTest::newRow("decimal comma") << "0,75" << "1,5" << kEnglishOffset << 0.75 << 1.5 << 1.5;
    QTest::newRow("blanks") << " 1.25 " << "0.4" << kSpanishOffset << 1.25 << 0.4 << 0.4;
    QTest::newRow("French ignores the store") << "2" << "junk" << kFrenchOffset << 0.5 << 0.2 << 1.0;
  }
  void pauses() {
    QFETCH(QString, programWait);
    QFETCH(QString, waitValue);
    QFETCH(int, language);
    Store(kProgramWaitName, programWait);
    Store(kWaitValueName, waitValue);
    QTEST(KeystrokePause(Reader(), language), "keystroke");
    QTEST(AnswerPause(Reader(), language, kSerialAnswerPause), "serialAnswer");
    QTEST(AnswerPause(Reader(), language, kNetworkAnswerPause), "networkAnswer");
  }

  void readAnewAtEveryUse() {
    Store(kProgramWaitName, "1");
    QCOMPARE(KeystrokePause(Reader(), kEnglishOffset), 1.0);
    Store(kProgramWaitName, "3");
    QCOMPARE(KeystrokePause(Reader(), kEnglishOffset), 3.0);
  }

  // What an installer types into the INI file by hand, unquoted.
  void handWrittenCommaValue() {
    QString file;
    {
      QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kSettingsApplication, kSettingsSection);
      file = settings.fileName();
    }
    if (!file.endsWith(".conf")) QSKIP("the store is not an INI file on this platform");
    QFile ini(file);
    QVERIFY(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ini.write("[General]\nProgramWait=0,5\n");
    ini.close();
    QCOMPARE(KeystrokePause(Reader(), kEnglishOffset), 0.5);
  }

  void notANumberIsTypeMismatch_data() {
    QTest::addColumn<QString>("stored");
    QTest::newRow("word") << "half";
    QTest::newRow("empty") << "";
    QTest::newRow("two separators") << "0.5.1";
    QTest::newRow("unit") << "0.5s";
    QTest::newRow("negative") << "-1";
  }
  void notANumberIsTypeMismatch() {
    QFETCH(QString, stored);
    Store(kProgramWaitName, stored);
    try {
      KeystrokePause(Reader(), kEnglishOffset);
      QFAIL("a non-number was accepted");
    } catch (const RunTimeError& error) {
      QCOMPARE(error.Number(), int(kTypeMismatch));
    }
  }
};

QTEST_GUILESS_MAIN(TestTimingSettings)
#include "tst_timing_settings.moc"
