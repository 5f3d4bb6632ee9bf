#include <QCommandLineParser>
#include <QTextStream>
#include <cmath>

#include "cli/subcommands.h"
#include "discovery/discovery_run.h"
#include "discovery/listing_formats.h"

namespace dorvane::cli {

namespace {

constexpr double kDefaultSeconds = 8.0;

const char* const kHelp =
    "Usage: pellarctl discover [--seconds N] [--format table|csv|json]\n"
    "\n"
    "Sends the discovery query to 255.255.255.255 on UDP port 30718 and lists the\n"
    "modules that answer within the wait: MAC address, IP address and device type,\n"
    "in the order the replies arrived.\n"
    "\n"
    "Options:\n"
    "  --seconds N      How long to collect replies (default 8).\n"
    "  --format FORMAT  table (default), csv, or json: a list of objects with the\n"
    "                   keys \"mac\", \"ip\" and \"type\".\n"
    "  -h, --help       Show this help and exit.\n"
    "\n"
    "For testing only:\n"
    "  --target ADDRESS[:PORT]  Send the query to this IPv4 address (and port)\n"
    "                           instead of broadcasting it.\n"
    "  --local-port PORT        Listen on this local port instead of 30718;\n"
    "                           0 takes any free port.\n"
    "\n"
    "Exit codes: 0 the query was sent (also when no device answered), 2 bad input,\n"
    "3 discovery could not look (port in use, or the query could not be sent).\n";

struct DiscoverOptions {
  double seconds = kDefaultSeconds;
  ListingFormat format = ListingFormat::Table;
  DiscoveryRun::Addresses addresses;
};

std::optional<quint16> ParsePort(const QString& text, bool zeroAllowed) {
  bool ok = false;
  const uint port = text.toUInt(&ok);
  if (!ok || port > 65535 || (port == 0 && !zeroAllowed)) return std::nullopt;
  return static_cast<quint16>(port);
}

// Fills the options or returns why not, in words for the installer.
QString ParseOptions(const QStringList& arguments, DiscoverOptions& options, bool& help) {
  QCommandLineParser parser;
  const QCommandLineOption helpOption({"h", "help"}, "help");
  const QCommandLineOption secondsOption("seconds", "seconds", "N");
  const QCommandLineOption formatOption("format", "format", "FORMAT");
  const QCommandLineOption targetOption("target", "target", "ADDRESS[:PORT]");
  const QCommandLineOption localPortOption("local-port", "local port", "PORT");
  parser.addOptions({helpOption, secondsOption, formatOption, targetOption, localPortOption});
  if (!parser.parse(QStringList{"pellarctl"} + arguments)) return parser.errorText();
  help = parser.isSet(helpOption);
  if (help) return {};
  if (!parser.positionalArguments().isEmpty()) {
    return "unexpected argument \"" + parser.positionalArguments().first() + "\"";
  }

  if (parser.isSet(secondsOption)) {
    bool ok = false;
    options.seconds = parser.value(secondsOption).toDouble(&ok);
    if (!ok || !std::isfinite(options.seconds) || options.seconds <= 0.0) {
      return "--seconds needs a number of seconds above 0, not \"" + parser.value(secondsOption) + "\"";
    }
  }
  if (parser.isSet(formatOption)) {
    std::optional<ListingFormat> format = ParseListingFormat(parser.value(formatOption).toStdString());
    if (!format) return "--format is table, csv or json, not \"" + parser.value(formatOption) + "\"";
    options.format = *format;
  }
  if (parser.isSet(targetOption)) {
    const QString target = parser.value(targetOption);
    const QString address = target.section(':', 0, 0);
    options.addresses.target = QHostAddress(address);
    if (options.addresses.target.protocol() != QAbstractSocket::IPv4Protocol) {
      return "--target needs an IPv4 address, not \"" + target + "\"";
    }
    if (target.contains(':')) {
      std::optional<quint16> port = ParsePort(target.section(':', 1), false);
      if (!port) return "--target has no valid port in \"" + target + "\"";
      options.addresses.targetPort = *port;
    }
  }
  if (parser.isSet(localPortOption)) {
    std::optional<quint16> port = ParsePort(parser.value(localPortOption), true);
    if (!port) return "--local-port needs a port from 0 to 65535, not \"" + parser.value(localPortOption) + "\"";
    options.addresses.localPort = *port;
  }
  return {};
}

}  // namespace

int RunDiscover(const QStringList& arguments) {
  QTextStream out(stdout);
  QTextStream err(stderr);
  DiscoverOptions options;
  bool help = false;
  const QString problem = ParseOptions(arguments, options, help);
  if (help) {
    out << kHelp;
    return kExitSuccess;
  }
  if (!problem.isEmpty()) {
    err << "pellarctl discover: " << problem << "\nTry \"pellarctl discover --help\".\n";
    return kExitUsage;
  }

  DiscoveryRun run;
  run.SetAddresses(options.addresses);
  run.Discover(options.seconds);
  const std::vector<DiscoveredDevice> listed = run.Devices().Listed();
  out << QString::fromStdString(FormatListing(listed, options.format));
  out.flush();

  const DiscoveryOutcome& outcome = run.Outcome();
  const int dropped = run.Devices().Dropped();
  if (!outcome.Looked() || dropped > 0) {
    err << "pellarctl discover: "
        << QString::fromStdString(DiscoveryStatusText(outcome, static_cast<int>(listed.size()), dropped)) << "\n";
  }
  return outcome.Looked() ? kExitSuccess : kExitCommunication;
}

}  // namespace dorvane::cli
