#pragma once
// Host facts as the system's own tools report them, to hold the tool's
// values against.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// From `ip -j addr`: per interface that is up and not loopback, in the order
// listed, its first IPv4 address or "0.0.0.0".
QStringList AdapterAddressesFromIp(const QByteArray& ipJson);

// `ip -j addr` of the calling thread's network namespace.
QByteArray IpAddrJson();

// Total free bytes of the volume holding the path, from df (size - used).
std::optional<qint64> DfFreeBytes(const QString& path);

// PRETTY_NAME as a shell reads /etc/os-release.
QString OsReleasePrettyName();

// `uname -r`.
QString KernelRelease();

// `id -u` is 0 or `id -Gn` holds sudo, wheel or admin.
bool IdSaysAdministrator();
