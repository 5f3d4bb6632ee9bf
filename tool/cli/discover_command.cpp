#include <QTextStream>
#include <cmath>

#include "cli/command_parser.h"
#include "cli/subcommands.h"
#include "discovery/discovery_run.h"
#include "discovery/listing_formats.h"

namespace dorvane::cli {

namespace {

constexpr double kDefaultSeconds = 8.0;

const char* const kUsage = "Usage: pellarctl discover [--seconds N] [--format text|csv|json]\n";

const char* const kDetails =
    "Sends the discovery query to 255.255.255.255 on UDP port 30718 and lists the\n"
    "modules that answer within the wait: MAC address, IP address and device type,\n"
    "in the order the replies arrived.\n"
    "\n"
    "Options:\n"
    "  --seconds N      How long to collect replies (default 8).\n"
    "  --format FORMAT  text (default): an aligned table; csv; or json: a list of\n"
    "                   objects with the keys \"mac\", \"ip\" and \"type\".\n"
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

ListingFormat ListingFormatOf(OutputFormat format) {
  switch (format) {
    case OutputFormat::kCsv: return ListingFormat::Csv;
    case OutputFormat::kJson: return ListingFormat::Json;
    case OutputFormat::kText: break;
  }
  return ListingFormat::Table;
}

// Fills the options; nothing, or the exit code of a refusal (--help
// included, which ends the command with 0).
std::optional<int> ReadOptions(const QStringList& arguments, DiscoverOptions& options) {
  CommandParser parser("pellarctl discover", kUsage, kDetails);
  parser.addOptions({{"seconds", "Seconds to collect replies.", "N"},
                     FormatOption(true),
                     {"target", "Query address.", "ADDRESS[:PORT]"},
                     {"local-port", "Local port.", "PORT"}});
  if (std::optional<int> ended = parser.Read(arguments)) return ended;
  if (!parser.positionalArguments().isEmpty()) {
    return parser.Refuse("unexpected argument \"" + parser.positionalArguments().first() + "\"");
  }

  if (parser.isSet("seconds")) {
    bool ok = false;
    options.seconds = parser.value("seconds").toDouble(&ok);
    if (!ok || !std::isfinite(options.seconds) || options.seconds <= 0.0) {
      return parser.Refuse("--seconds needs a number of seconds above 0, not \"" + parser.value("seconds") + "\"");
    }
  }
  OutputFormat format = OutputFormat::kText;
  if (std::optional<int> refused = ReadFormatOption(parser, true, format)) return refused;
  options.format = ListingFormatOf(format);
  if (parser.isSet("target")) {
    const QString target = parser.value("target");
    const QString address = target.section(':', 0, 0);
    options.addresses.target = QHostAddress(address);
    if (options.addresses.target.protocol() != QAbstractSocket::IPv4Protocol) {
      return parser.Refuse("--target needs an IPv4 address, not \"" + target + "\"");
    }
    if (target.contains(':')) {
      std::optional<quint16> port = ParsePort(target.section(':', 1), false);
      if (!port) return parser.Refuse("--target has no valid port in \"" + target + "\"");
      options.addresses.targetPort = *port;
    }
  }
  if (parser.isSet("local-port")) {
    std::optional<quint16> port = ParsePort(parser.value("local-port"), true);
    if (!port) {
      return parser.Refuse("--local-port needs a port from 0 to 65535, not \"" + parser.value("local-port") + "\"");
    }
    options.addresses.localPort = *port;
  }
  return std::nullopt;
}

}  // namespace

int RunDiscover(const QStringList& arguments) {
  DiscoverOptions options;
  if (std::optional<int> ended = ReadOptions(arguments, options)) return *ended;
  QTextStream out(stdout);
  QTextStream err(stderr);

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
