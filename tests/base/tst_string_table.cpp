#include <QtTest>

#include "base/localised_text.h"
#include "base/run_time_error.h"

using namespace dorvane;

class TestStringTable : public QObject {
  Q_OBJECT

 private slots:
  void everyBlockIsComplete() {
    const auto& table = StringTable();
    QCOMPARE(table.size(), std::size_t(441));
    std::vector<int> bases;
    for (int base = kFirstTextId; base <= kLastTextId; ++base) bases.push_back(base);
    for (int base = 1150; base <= 1157; ++base) bases.push_back(base);  // the help window's
    for (int base : bases) {
      for (int offset : {kEnglishOffset, kSpanishOffset, kFrenchOffset}) {
        auto it = table.find(base + offset);
        QVERIFY2(it != table.end() && !it->second.empty(), qPrintable(QString::number(base + offset)));
      }
    }
  }

  void tellingRows_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("text");
    QTest::newRow("1000") << 1000 << " Dorvane PELLAR Utility";
    QTest::newRow("5000") << 5000 << " Dorvane PELLAR Utility";
    QTest::newRow("9000") << 9000 << " Dorvane PELLAR Utility";
    QTest::newRow("5003") << 5003 << "Conseguir la IP presente";
    QTest::newRow("9003") << 9003 << "Obtenir l'adresse IP";
    QTest::newRow("5017") << 5017 << "Comenzar Ping";
    QTest::newRow("9017") << 9017 << "Exécuter la commande Ping";
    QTest::newRow("5034") << 5034 << "Salir";
    QTest::newRow("9034") << 9034 << "Quitter";
    QTest::newRow("1045") << 1045 << "Missing IP Address. Please enter a valid IP Address.";
    QTest::newRow("5045") << 5045 << "Falta la dirección IP. Por favor ponga una dirección IP valida.";
    QTest::newRow("9045") << 9045 << "Adresse IP manquante. Veuillez entrer une adresse IP valide.";
    QTest::newRow("5079") << 5079 << "Presionar ESC para cancelar";
    QTest::newRow("9079") << 9079 << "Appuyez sur Échap. pour annuler";
    QTest::newRow("5084") << 5084 << "N/C";
    QTest::newRow("9084") << 9084 << "S/O";
    QTest::newRow("5137") << 5137 << "Conexión exitosa";
    QTest::newRow("9137") << 9137 << "Connexion réussie";
    QTest::newRow("1075 has no trailing blank") << 1075 << "Encryption Key must be";
    QTest::newRow("5075 ends with a blank") << 5075 << "La clave de cifrado debe ser de ";
    QTest::newRow("1080 leading blank") << 1080 << " PELLAR Monitor Mode";
    QTest::newRow("5027 stays English") << 5027 << "Subnet Mask";
    QTest::newRow("5051 stays English") << 5051 << "Adhoc";
    QTest::newRow("5062 stays English") << 5062 << "Hexadecimal";
    QTest::newRow("5065 stays English") << 5065 << "No";
    QTest::newRow("9050 stays English") << 9050 << "Infrastructure";
    for (int base : {1116, 1117, 1118, 1119, 1120, 1128}) {
      QString english = QString::fromStdString(StringTable().at(base));
      QTest::addRow("%d es", base + 4000) << base + 4000 << english;
      QTest::addRow("%d fr", base + 8000) << base + 8000 << english;
    }
  }
  void tellingRows() {
    QFETCH(int, id);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(StringTable().at(id)), text);
  }

  // Leading blanks are part of the look of labels and captions: a
  // translation must keep the English entry's.
  void translationsKeepLeadingBlanks() {
    for (int base = kFirstTextId; base <= kLastTextId; ++base) {
      const std::string& english = StringTable().at(base);
      bool blank = english.front() == ' ';
      QVERIFY2((StringTable().at(base + kSpanishOffset).front() == ' ') == blank, qPrintable(QString::number(base)));
      QVERIFY2((StringTable().at(base + kFrenchOffset).front() == ' ') == blank, qPrintable(QString::number(base)));
    }
  }

  void loadTextFollowsLanguageOffset() {
    LanguageOffset = kFrenchOffset;
    QCOMPARE(QString::fromStdString(LoadText(1034)), QString("Quitter"));
    LanguageOffset = kSpanishOffset;
    QCOMPARE(QString::fromStdString(LoadText(1034)), QString("Salir"));
    LanguageOffset = kEnglishOffset;
    QCOMPARE(QString::fromStdString(LoadText(1034)), QString("Exit"));
  }

  void missingEntryRaises() {
    try {
      LoadText(kLastTextId + 1);
      QFAIL("no error for a missing entry");
    } catch (const RunTimeError& error) {
      QCOMPARE(error.Number(), int(kResourceNotFound));
    }
  }

  void tags_data() {
    QTest::addColumn<QString>("tag");
    QTest::addColumn<int>("id");
    QTest::newRow("number") << "1003" << 1003;
    QTest::newRow("blanks") << " 1003 " << 1003;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("text") << "abc" << -1;
    QTest::newRow("trailing junk") << "1003x" << -1;
  }
  void tags() {
    QFETCH(QString, tag);
    QFETCH(int, id);
    QCOMPARE(ParseTextTag(tag.toStdString()), id);
  }

  void localeSelectsLanguage_data() {
    QTest::addColumn<int>("locale");
    QTest::addColumn<int>("offset");
    QTest::newRow("en-US") << 1033 << 0;
    for (int french : {1036, 2060, 3084, 4108, 5132, 6156}) QTest::addRow("fr %d", french) << french << 8000;
    QTest::newRow("es traditional") << 1034 << 0;
    QTest::newRow("es modern") << 3082 << 0;
    QTest::newRow("de") << 1031 << 0;
  }
  void localeSelectsLanguage() {
    QFETCH(int, locale);
    QFETCH(int, offset);
    QCOMPARE(LanguageOffsetForLocale(std::uint32_t(locale)), offset);
  }
};

QTEST_APPLESS_MAIN(TestStringTable)
#include "tst_string_table.moc"
