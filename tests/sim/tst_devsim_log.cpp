#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include "sim/receive_log.h"

using namespace dorvane::sim;

class TestDevsimLog : public QObject {
  Q_OBJECT

 private slots:
  // Tests of the tool read the log with a JSON parser and compare bytes.
  void dataSurvivesJson_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("answer") << QByteArray("192\r") << QByteArray("\"192\\r\"");
    QTest::newRow("quote and backslash") << QByteArray("a\"b\\c") << QByteArray("\"a\\\"b\\\\c\"");
    QTest::newRow("line feed and tab") << QByteArray("\n\t") << QByteArray("\"\\n\\u0009\"");
    QTest::newRow("nul and high bytes") << QByteArray("\x00\x7f\xff", 3) << QByteArray("\"\\u0000\\u007f\\u00ff\"");
  }
  void dataSurvivesJson() {
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, written);
    QCOMPARE(ReceiveLog::JsonString(bytes), written);
    const QJsonDocument document = QJsonDocument::fromJson("{\"data\": " + written + "}");
    QCOMPARE(document["data"].toString().toLatin1(), bytes);
  }

  void linesAreJsonWithMillisecondTimes() {
    QTemporaryDir dir;
    const QString path = dir.filePath("log.jsonl");
    ReceiveLog log;
    QString whyNot;
    QVERIFY2(log.Open(path, whyNot), qPrintable(whyNot));
    log.Data("tcp", 9999, "9\r");
    log.Event("saved", "tcp", {{"port", 9999}});
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.size(), 3);  // two lines, each ended
    QVERIFY(lines[2].isEmpty());
    QVERIFY(QRegularExpression("^\\{\"t\": \\d+\\.\\d{3}, ").match(QString::fromLatin1(lines[0])).hasMatch());
    const QJsonObject data = QJsonDocument::fromJson(lines[0]).object();
    QCOMPARE(data["link"].toString(), QString("tcp"));
    QCOMPARE(data["port"].toInt(), 9999);
    QCOMPARE(data["data"].toString(), QString("9\r"));
    const QJsonObject event = QJsonDocument::fromJson(lines[1]).object();
    QCOMPARE(event["event"].toString(), QString("saved"));
    QVERIFY(event["t"].toDouble() >= data["t"].toDouble());
  }
};

QTEST_GUILESS_MAIN(TestDevsimLog)
#include "tst_devsim_log.moc"
