#include "what_the_system_says.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "test_process.h"

namespace {

QString Output(const QString& program, const QStringList& arguments) {
  return QString::fromLocal8Bit(RunProgram(program, arguments).out).trimmed();
}

}  // namespace

QStringList AdapterAddressesFromIp(const QByteArray& ipJson) {
  QStringList addresses;
  for (const QJsonValue& link : QJsonDocument::fromJson(ipJson).array()) {
    QJsonObject object = link.toObject();
    QJsonArray flags = object["flags"].toArray();
    if (flags.contains("LOOPBACK") || !flags.contains("UP")) continue;
    QString first = "0.0.0.0";
    for (const QJsonValue& address : object["addr_info"].toArray()) {
      if (address.toObject()["family"].toString() == "inet") {
        first = address.toObject()["local"].toString();
        break;
      }
    }
    addresses << first;
  }
  return addresses;
}

QByteArray IpAddrJson() { return RunProgram("ip", {"-j", "addr"}).out; }

std::optional<qint64> DfFreeBytes(const QString& path) {
  QStringList lines = Output("df", {"-B1", "--output=size,used", path}).split('\n');
  if (lines.size() < 2) return std::nullopt;
  QStringList fields = lines[1].simplified().split(' ');
  if (fields.size() != 2) return std::nullopt;
  return fields[0].toLongLong() - fields[1].toLongLong();
}

QString OsReleasePrettyName() { return Output("sh", {"-c", ". /etc/os-release && printf %s \"$PRETTY_NAME\""}); }

QString KernelRelease() { return Output("uname", {"-r"}); }

bool IdSaysAdministrator() {
  if (Output("id", {"-u"}) == "0") return true;
  QStringList groups = Output("id", {"-Gn"}).split(' ');
  return groups.contains("sudo") || groups.contains("wheel") || groups.contains("admin");
}
