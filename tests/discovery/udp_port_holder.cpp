// Holds a UDP port the way another program on the installer's computer might:
// exclusively, or shared with address reuse (--share). Prints "bound" once it
// holds the port and keeps it until it is stopped.
//   udp_port_holder PORT [--share]

#include <QCoreApplication>
#include <QUdpSocket>
#include <cstdio>

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  const QStringList arguments = QCoreApplication::arguments();
  bool ok = false;
  const uint port = arguments.value(1).toUInt(&ok);
  if (!ok || port > 65535) {
    std::fprintf(stderr, "usage: udp_port_holder PORT [--share]\n");
    return 2;
  }
  const bool share = arguments.value(2) == "--share";
  QUdpSocket socket;
  if (!socket.bind(QHostAddress::AnyIPv4, static_cast<quint16>(port),
                   share ? QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint
                         : QAbstractSocket::DontShareAddress)) {
    std::fprintf(stderr, "udp_port_holder: %s\n", qPrintable(socket.errorString()));
    return 1;
  }
  std::printf("bound\n");
  std::fflush(stdout);
  return app.exec();
}
