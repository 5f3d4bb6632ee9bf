// pellarctl's forms of the listing: what a person reads and what a script parses.

#include <QtTest>

#include "discovery/listing_formats.h"

using namespace dorvane;

Q_DECLARE_METATYPE(dorvane::ListingFormat)

namespace {

const std::vector<DiscoveredDevice> kTwo = {
    {"00.20.4A.12.34.56", "PELLAR - X1 - XPort 01", "10.0.0.5"},
    {"00.20.4A.12.34.57", "\"Q,\\ - Unknown", "192.168.100.254"},
};

}  // namespace

class TestListingFormats : public QObject {
  Q_OBJECT

 private slots:
  void forms_data() {
    QTest::addColumn<ListingFormat>("format");
    QTest::addColumn<bool>("empty");
    QTest::addColumn<QString>("text");
    QTest::newRow("table") << ListingFormat::Table << false
                           << "MAC Address        IP Address       Device Type\n"
                              "00.20.4A.12.34.56  10.0.0.5         PELLAR - X1 - XPort 01\n"
                              "00.20.4A.12.34.57  192.168.100.254  \"Q,\\ - Unknown\n";
    QTest::newRow("empty table") << ListingFormat::Table << true << "MAC Address  IP Address  Device Type\n";
    QTest::newRow("csv quotes what needs it") << ListingFormat::Csv << false
                                              << "MAC Address,IP Address,Device Type\n"
                                                 "00.20.4A.12.34.56,10.0.0.5,PELLAR - X1 - XPort 01\n"
                                                 "00.20.4A.12.34.57,192.168.100.254,\"\"\"Q,\\ - Unknown\"\n";
    QTest::newRow("empty csv") << ListingFormat::Csv << true << "MAC Address,IP Address,Device Type\n";
    QTest::newRow("empty json") << ListingFormat::Json << true << "[]\n";
  }
  void forms() {
    QFETCH(ListingFormat, format);
    QFETCH(bool, empty);
    QTEST(QString::fromStdString(FormatListing(empty ? std::vector<DiscoveredDevice>{} : kTwo, format)), "text");
  }

  // JSON is checked by parsing it: a script sees the texts unchanged, in order.
  void jsonParsesBackToTheRows() {
    const QByteArray json = QByteArray::fromStdString(FormatListing(kTwo, ListingFormat::Json));
    QJsonParseError error;
    const QJsonArray rows = QJsonDocument::fromJson(json, &error).array();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(rows.size(), 2);
    for (int i = 0; i < 2; ++i) {
      const QJsonObject row = rows[i].toObject();
      QCOMPARE(row.keys(), QStringList({"ip", "mac", "type"}));
      QCOMPARE(row["mac"].toString().toStdString(), kTwo[i].macAddress);
      QCOMPARE(row["ip"].toString().toStdString(), kTwo[i].ipAddress);
      QCOMPARE(row["type"].toString().toStdString(), kTwo[i].deviceType);
    }
  }
};

QTEST_APPLESS_MAIN(TestListingFormats)
#include "tst_listing_formats.moc"
