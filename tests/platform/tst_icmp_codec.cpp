#include <QtTest>

#include "platform/icmp_codec.h"

using namespace dorvane::platform;

Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(std::errc)

namespace {

constexpr std::uint16_t kId = 0x1234;
constexpr std::uint16_t kSequence = 7;

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (int v : values) bytes += static_cast<char>(v);
  return bytes;
}

// An IPv4 header (20 bytes, or more with options) in front of a payload.
std::string IpPacket(int protocol, const std::string& payload, int optionWords = 0) {
  std::string header =
      Bytes({0x40 | (5 + optionWords), 0, 0, 0, 0, 0, 0, 0, 64, protocol, 0, 0, 10, 1, 1, 1, 10, 1, 1, 2});
  header += std::string(static_cast<std::size_t>(optionWords) * 4, '\x01');
  return header + payload;
}

// An ICMP message with its checksum filled in.
std::string Icmp(int type, int code, std::uint16_t id, std::uint16_t sequence, const std::string& data) {
  std::string message = Bytes({type, code, 0, 0, id >> 8, id & 0xff, sequence >> 8, sequence & 0xff}) + data;
  std::uint16_t sum = InternetChecksum(message);
  message[2] = static_cast<char>(sum >> 8);
  message[3] = static_cast<char>(sum & 0xff);
  return message;
}

// An error message quoting the IP header and first eight bytes of what caused it.
std::string Error(int type, int code, const std::string& quotedIcmp, int quotedProtocol = 1) {
  return Icmp(type, code, 0, 0, IpPacket(quotedProtocol, quotedIcmp.substr(0, 8)));
}

std::string OurRequest() { return EchoRequest(kId, kSequence, "10.1.1.2"); }

}  // namespace

class TestIcmpCodec : public QObject {
  Q_OBJECT

 private slots:
  void checksumOfTheRfc1071Example() {
    QCOMPARE(InternetChecksum(Bytes({0x00, 0x01, 0xf2, 0x03, 0xf4, 0xf5, 0xf6, 0xf7})), std::uint16_t(0x220d));
    // An odd length is padded with a zero byte.
    QCOMPARE(InternetChecksum(Bytes({0x00, 0x01, 0xf2})), std::uint16_t(~0xf201 & 0xffff));
  }

  void echoRequestLayout() {
    std::string request = EchoRequest(0xabcd, 0x0102, "127.0.0.1");
    QCOMPARE(request.substr(0, 2), Bytes({8, 0}));
    QCOMPARE(request.substr(4, 4), Bytes({0xab, 0xcd, 0x01, 0x02}));
    QCOMPARE(request.substr(8), std::string("127.0.0.1"));
    QCOMPARE(InternetChecksum(request), std::uint16_t(0));
    QCOMPARE(EchoRequestSequence(request), std::optional<std::uint16_t>(0x0102));
    QCOMPARE(EchoRequestSequence(Icmp(0, 0, 0xabcd, 0x0102, "")), std::optional<std::uint16_t>());
  }

  void answers_data() {
    QTest::addColumn<std::string>("message");
    QTest::addColumn<bool>("raw");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("data");
    QTest::addColumn<int>("status");
    const int unrelated = int(IcmpAnswerKind::kUnrelated);
    const int reply = int(IcmpAnswerKind::kEchoReply);
    const int error = int(IcmpAnswerKind::kError);
    std::string ourReply = Icmp(0, 0, kId, kSequence, "10.1.1.2");

    QTest::newRow("raw: our reply") << IpPacket(1, ourReply) << true << reply << "10.1.1.2" << 0;
    QTest::newRow("raw: header with options") << IpPacket(1, ourReply, 2) << true << reply << "10.1.1.2" << 0;
    QTest::newRow("raw: another program's reply")
        << IpPacket(1, Icmp(0, 0, kId + 1, kSequence, "10.1.1.2")) << true << unrelated << "" << 0;
    QTest::newRow("raw: an earlier request's reply")
        << IpPacket(1, Icmp(0, 0, kId, kSequence - 1, "10.1.1.2")) << true << unrelated << "" << 0;
    std::string damaged = ourReply;
    damaged.back() ^= 0x01;
    QTest::newRow("raw: damaged reply") << IpPacket(1, damaged) << true << unrelated << "" << 0;
    QTest::newRow("raw: our own request seen on loopback") << IpPacket(1, OurRequest()) << true << unrelated << "" << 0;
    QTest::newRow("raw: host unreachable for us")
        << IpPacket(1, Error(3, 1, OurRequest())) << true << error << "" << 11003;
    QTest::newRow("raw: ttl expired for us") << IpPacket(1, Error(11, 0, OurRequest())) << true << error << "" << 11013;
    QTest::newRow("raw: unreachable for another ping")
        << IpPacket(1, Error(3, 1, EchoRequest(kId + 1, kSequence, "x"))) << true << unrelated << "" << 0;
    QTest::newRow("raw: unreachable for a UDP datagram")
        << IpPacket(1, Error(3, 3, OurRequest(), 17)) << true << unrelated << "" << 0;
    QTest::newRow("raw: not ICMP") << IpPacket(17, ourReply) << true << unrelated << "" << 0;
    QTest::newRow("raw: cut short") << IpPacket(1, ourReply).substr(0, 24) << true << unrelated << "" << 0;
    QTest::newRow("raw: no IPv4 header") << ourReply << true << unrelated << "" << 0;

    // The kernel chose the identifier of a datagram socket.
    QTest::newRow("datagram: reply") << Icmp(0, 0, 0x4321, kSequence, "10.1.1.2") << false << reply << "10.1.1.2" << 0;
    QTest::newRow("datagram: empty reply") << Icmp(0, 0, 0x4321, kSequence, "") << false << reply << "" << 0;
    QTest::newRow("datagram: other sequence")
        << Icmp(0, 0, 0x4321, kSequence + 1, "10.1.1.2") << false << unrelated << "" << 0;
  }
  void answers() {
    QFETCH(std::string, message);
    QFETCH(bool, raw);
    std::optional<std::uint16_t> id;
    if (raw) id = kId;
    IcmpAnswer answer = ReadIcmpAnswer(message, raw, id, kSequence);
    QTEST(int(answer.kind), "kind");
    QTEST(QString::fromStdString(answer.data), "data");
    QTEST(answer.status, "status");
  }

  void icmpErrors_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("status");
    QTest::newRow("net unreachable") << 3 << 0 << 11002;
    QTest::newRow("host unreachable") << 3 << 1 << 11003;
    QTest::newRow("protocol unreachable") << 3 << 2 << 11004;
    QTest::newRow("port unreachable") << 3 << 3 << 11005;
    QTest::newRow("fragmentation needed") << 3 << 4 << 11009;
    QTest::newRow("source route failed") << 3 << 5 << 11012;
    QTest::newRow("network unknown") << 3 << 6 << 11002;
    QTest::newRow("host unknown") << 3 << 7 << 11003;
    QTest::newRow("network prohibited") << 3 << 9 << 11002;
    QTest::newRow("host prohibited") << 3 << 10 << 11003;
    QTest::newRow("communication prohibited") << 3 << 13 << 11003;
    QTest::newRow("source quench") << 4 << 0 << 11016;
    QTest::newRow("ttl expired in transit") << 11 << 0 << 11013;
    QTest::newRow("ttl expired in reassembly") << 11 << 1 << 11014;
    QTest::newRow("parameter problem") << 12 << 0 << 11015;
    QTest::newRow("redirect is no answer") << 5 << 0 << 11050;
  }
  void icmpErrors() {
    QFETCH(int, type);
    QFETCH(int, code);
    QTEST(StatusForIcmpError(type, code), "status");
  }

  void socketErrors_data() {
    QTest::addColumn<std::errc>("error");
    QTest::addColumn<int>("status");
    QTest::newRow("no route") << std::errc::network_unreachable << 11002;
    QTest::newRow("unreachable route") << std::errc::host_unreachable << 11003;
    QTest::newRow("broadcast refused") << std::errc::permission_denied << 11018;
    QTest::newRow("blackhole route") << std::errc::invalid_argument << 11012;
    QTest::newRow("too big") << std::errc::message_size << 11009;
    QTest::newRow("no buffers") << std::errc::no_buffer_space << 11006;
    QTest::newRow("anything else") << std::errc::io_error << 11050;
  }
  void socketErrors() {
    QFETCH(std::errc, error);
    QTEST(StatusForSocketError(error), "status");
  }
};

QTEST_APPLESS_MAIN(TestIcmpCodec)
#include "tst_icmp_codec.moc"
