#include "sim/device_options.h"

#include <QHostAddress>
#include <QRegularExpression>
#include <algorithm>
#include <climits>
#include <cmath>
#include <functional>
#include <map>

namespace dorvane::sim {

namespace {

constexpr double kDefaultWakeWindowSeconds = 5.0;
// A tool is started only once "ready" is printed; at a strong time scale its
// start-up alone would outlast a scaled window, so the default window keeps
// this much real time.
constexpr int kDefaultWakeWindowFloorMs = 2000;
// The tool sends its wake-up characters half a second apart (ProgramWait);
// a line this quiet means a new run has begun. The real-time floor keeps a
// loaded machine's late keystroke from passing for one.
constexpr double kQuietLineSeconds = 3.0;
constexpr int kQuietLineFloorMs = 1000;

// The usage around the --kind option, whose lines come from the personalities.
const char kHelpBeforeKinds[] =
    "Usage: pellar-devsim [options]\n"
    "Simulated device-server module of a PELLAR board, for tests and demos.\n"
    "\n"
    "Links (at least one):\n"
    "  --pty [LINK]            serial link on a new pty; with LINK also a symlink to its slave\n"
    "  --tcp ADDRESS           setup and assign ports on ADDRESS\n"
    "  --setup-port N          setup port (default 9999; 0 = any free port)\n"
    "  --assign-port N         ARP-assignment port (default 1; 0 = any free port); a failed\n"
    "                          bind is only a warning\n"
    "  --udp ADDRESS           discovery responder on ADDRESS\n"
    "  --udp-port N            discovery port (default 30718; 0 = any free port)\n"
    "\n"
    "Module:\n";

const char kHelpAfterKinds[] =
    "  --banner new|old        \"Press Enter for Setup Mode\" (new, default) or\n"
    "                          \"Press Enter to go into Setup Mode\" (old)\n"
    "  --firmware TEXT         banner version, \"Software version TEXT.\" (default V6.10.0)\n"
    "  --mac XX-XX-XX-XX-XX-XX module MAC (default 00-20-4A-12-34-56)\n"
    "  --product-code CC       discovery product code: two characters, or 0xHHHH (default X1)\n"
    "  --modules N             answer each discovery query as N modules (default 1)\n"
    "  --reset-after SECONDS   the board's reset on the serial link (default 0); input\n"
    "                          before it is ignored\n"
    "  --wake-window SECONDS   how long after a reset an \"x\" wakes the module (default 5,\n"
    "                          but never under 2 real seconds; 0 = until it has greeted)\n"
    "  --power-cycle-when-asked  the board is power-cycled whenever the tool's wake-up finds\n"
    "                          it deaf, as the installer does when asked: by an \"x\" while it\n"
    "                          sleeps, or by the first \"x\" after 3 quiet seconds (at least 1\n"
    "                          real second) once it has greeted; that \"x\" is lost in the reset\n"
    "                          (xport-ar: the first \"!\" after a quiet line once past its boot)\n"
    "  --fail MODE             no-banner | refuse-setup-port | close-after:N | garbage |\n"
    "                          slow:SECONDS | split-banner:N (TCP greeting in two\n"
    "                          segments, the rest a module second after the first N bytes) |\n"
    "                          no-save-confirm (saves without \"Parameters stored\") |\n"
    "                          reject:CMD (monitor mode: CMD answered with \"9>\") |\n"
    "                          slow-monitor:SECONDS (every monitor answer that much later) |\n"
    "                          short-show | no-product-info (xport-ar: a \"show\" answer under\n"
    "                          7 characters, or one without the product lines) |\n"
    "                          no-xpico (xpico: a banner without \"XPICO\");\n"
    "                          may repeat\n"
    "  --time-scale F          factor on every module delay and every SECONDS above\n"
    "                          (default DORVANE_TIME_SCALE, else 1)\n"
    "  --log FILE              JSON lines of what arrives and what happens; - = stderr\n"
    "  -h, --help              this text\n"
    "\n"
    "Prints one line per link (\"pty: PATH\", \"tcp: ADDRESS:PORT\", \"assign: ADDRESS:PORT\",\n"
    "\"udp: ADDRESS:PORT\"), then \"ready\". Ends on SIGTERM or SIGINT.\n";

// The column where the options' descriptions start.
constexpr int kHelpColumn = 26;

// The --kind option: its names on one line, then what each kind does in the
// words its personality gives, under the description column.
QString KindsHelp() {
  QStringList names;
  const QLatin1StringView defaultName(PersonalityOf(DeviceOptions().kind).name);
  QString words = QString("the module (default %1); ").arg(defaultName);
  for (const Personality& personality : Personalities()) {
    names << personality.name;
    words += personality.usage;
  }
  const QString indent(kHelpColumn, ' ');
  return "  --kind " + names.join('|') + '\n' + indent + words.replace('\n', '\n' + indent) + '\n';
}

QString HelpText() { return kHelpBeforeKinds + KindsHelp() + kHelpAfterKinds; }

// The tool treats anything but a positive number as "no scaling"; so does the
// simulator, so both sides of a test run at the same pace.
double EnvironmentTimeScale() {
  bool ok = false;
  const double scale = qEnvironmentVariable("DORVANE_TIME_SCALE").toDouble(&ok);
  return ok && std::isfinite(scale) && scale > 0.0 ? scale : 1.0;
}

bool ReadPort(const QString& text, quint16& port) {
  bool ok = false;
  const uint value = text.toUInt(&ok);
  if (!ok || value > 65535) return false;
  port = static_cast<quint16>(value);
  return true;
}

bool ReadSeconds(const QString& text, double& seconds) {
  bool ok = false;
  const double value = text.toDouble(&ok);
  if (!ok || !std::isfinite(value) || value < 0.0) return false;
  seconds = value;
  return true;
}

bool ReadAddress(const QString& text, QString& address) {
  if (QHostAddress(text).isNull()) return false;
  address = text;
  return true;
}

bool ReadMac(const QString& text, QByteArray& mac) {
  static const QRegularExpression pattern("^[0-9A-Fa-f]{2}([-:]?[0-9A-Fa-f]{2}){5}$");
  if (!pattern.match(text).hasMatch()) return false;
  mac = QByteArray::fromHex(QString(text).remove('-').remove(':').toLatin1());
  return true;
}

// Two characters are taken as they are (each one byte); 0xHHHH gives any two
// bytes, for codes no shell would pass cleanly.
bool ReadProductCode(const QString& text, QByteArray& code) {
  static const QRegularExpression hex("^0[xX][0-9A-Fa-f]{4}$");
  if (hex.match(text).hasMatch()) {
    code = QByteArray::fromHex(text.mid(2).toLatin1());
    return true;
  }
  if (text.size() != 2 || text[0].unicode() > 0xFF || text[1].unicode() > 0xFF) return false;
  code = text.toLatin1();
  return true;
}

// The N of a "--fail MODE:N", at least `least`.
std::optional<int> CountValue(const QString& name, const QString& value, int least, const char* what,
                              QString& whyNot) {
  bool ok = false;
  const int count = value.toInt(&ok);
  if (ok && count >= least) return count;
  whyNot = QString("%1 needs %2 (%3 or more), not \"%4\"").arg(name, what).arg(least).arg(value);
  return std::nullopt;
}

}  // namespace

int DeviceOptions::RealMilliseconds(double moduleSeconds) const {
  const double ms = std::round(moduleSeconds * timeScale * 1000.0);
  return static_cast<int>(std::clamp(ms, 0.0, static_cast<double>(INT_MAX)));
}

int DeviceOptions::WakeWindowMilliseconds() const {
  if (wakeWindow) return *wakeWindow > 0.0 ? std::max(RealMilliseconds(*wakeWindow), 1) : 0;
  return std::max(RealMilliseconds(kDefaultWakeWindowSeconds), kDefaultWakeWindowFloorMs);
}

int DeviceOptions::QuietLineMilliseconds() const {
  return std::max(RealMilliseconds(kQuietLineSeconds), kQuietLineFloorMs);
}

QByteArray DeviceOptions::MacText() const { return mac.toHex().toUpper(); }

bool AddFailureMode(const QString& mode, FailureModes& modes, QString& whyNot) {
  const QString name = mode.section(':', 0, 0);
  const QString value = mode.section(':', 1);
  const bool hasValue = mode.contains(':');
  if (name == "short-show" && !hasValue) {
    modes.shortShow = true;
    return true;
  }
  if (name == "no-product-info" && !hasValue) {
    modes.noProductInfo = true;
    return true;
  }
  if (name == "no-xpico" && !hasValue) {
    modes.noXPico = true;
    return true;
  }
  if (name == "no-banner" && !hasValue) {
    modes.noBanner = true;
    return true;
  }
  if (name == "refuse-setup-port" && !hasValue) {
    modes.refuseSetupPort = true;
    return true;
  }
  if (name == "no-save-confirm" && !hasValue) {
    modes.noSaveConfirm = true;
    return true;
  }
  if (name == "garbage" && !hasValue) {
    modes.garbage = true;
    return true;
  }
  if (name == "close-after") {
    const std::optional<int> count = CountValue(name, value, 0, "a count of answers", whyNot);
    if (count) modes.closeAfter = *count;
    return count.has_value();
  }
  if (name == "split-banner") {
    const std::optional<int> count = CountValue(name, value, 1, "the length of the first segment", whyNot);
    if (count) modes.splitBanner = *count;
    return count.has_value();
  }
  if (name == "reject") {
    static const QRegularExpression command("^[A-Z]{2}$");
    if (!command.match(value).hasMatch()) {
      whyNot = QString("reject needs a monitor command of two capitals (reject:NC), not \"%1\"").arg(value);
      return false;
    }
    modes.rejectCommands << value;
    return true;
  }
  if (name == "slow-monitor") {
    if (!ReadSeconds(value, modes.slowMonitor)) {
      whyNot = QString("slow-monitor needs a delay in seconds (0 or more), not \"%1\"").arg(value);
      return false;
    }
    return true;
  }
  if (name == "slow") {
    bool ok = false;
    const double seconds = value.toDouble(&ok);
    if (!ok || !std::isfinite(seconds) || seconds < 0.0) {
      whyNot = QString("slow needs a delay in seconds (0 or more), not \"%1\"").arg(value);
      return false;
    }
    modes.slow = seconds;
    return true;
  }
  whyNot = QString(
               "unknown failure mode \"%1\" (no-banner, refuse-setup-port, close-after:N, garbage, slow:SECONDS, "
               "split-banner:N, no-save-confirm, reject:CMD, slow-monitor:SECONDS, short-show, no-product-info, "
               "no-xpico)")
               .arg(mode);
  return false;
}

ParsedOptions ParseDeviceOptions(const QStringList& arguments) {
  ParsedOptions parsed;
  DeviceOptions& o = parsed.options;
  o.timeScale = EnvironmentTimeScale();
  auto refuse = [&parsed](const QString& why) {
    parsed.outcome = ParsedOptions::Outcome::kInvalid;
    parsed.text = why;
    return parsed;
  };

  // Each option with a value: how to store it; false when the value is bad.
  using Reader = std::function<bool(const QString&)>;
  const std::map<QString, Reader> valued = {
      {"--tcp", [&o](const QString& v) { return ReadAddress(v, o.tcpAddress); }},
      {"--setup-port", [&o](const QString& v) { return ReadPort(v, o.setupPort); }},
      {"--assign-port", [&o](const QString& v) { return ReadPort(v, o.assignPort); }},
      {"--udp", [&o](const QString& v) { return ReadAddress(v, o.udpAddress); }},
      {"--udp-port", [&o](const QString& v) { return ReadPort(v, o.udpPort); }},
      {"--banner",
       [&o](const QString& v) {
         if (v != "new" && v != "old") return false;
         o.banner = v == "new" ? BannerStyle::kNew : BannerStyle::kOld;
         return true;
       }},
      {"--kind",
       [&o](const QString& v) {
         const Personality* personality = FindPersonality(v);
         if (!personality) return false;
         o.kind = personality->kind;
         return true;
       }},
      {"--firmware",
       [&o](const QString& v) {
         o.firmware = v;
         return true;
       }},
      {"--mac", [&o](const QString& v) { return ReadMac(v, o.mac); }},
      {"--product-code", [&o](const QString& v) { return ReadProductCode(v, o.productCode); }},
      {"--modules",
       [&o](const QString& v) {
         bool ok = false;
         o.modules = v.toInt(&ok);
         return ok && o.modules >= 1 && o.modules <= 4096;
       }},
      {"--reset-after", [&o](const QString& v) { return ReadSeconds(v, o.resetAfter); }},
      {"--wake-window",
       [&o](const QString& v) {
         double seconds = 0.0;
         if (!ReadSeconds(v, seconds)) return false;
         o.wakeWindow = seconds;
         return true;
       }},
      {"--log",
       [&o](const QString& v) {
         o.logPath = v;
         return !v.isEmpty();
       }},
      {"--time-scale", [&o](const QString& v) { return ReadSeconds(v, o.timeScale) && o.timeScale > 0.0; }},
  };

  for (qsizetype i = 1; i < arguments.size(); ++i) {
    QString name = arguments[i];
    std::optional<QString> value;
    if (name.startsWith("--") && name.contains('=')) {
      value = name.section('=', 1);
      name = name.section('=', 0, 0);
    }
    if (name == "-h" || name == "--help") {
      parsed.outcome = ParsedOptions::Outcome::kShowHelp;
      parsed.text = HelpText();
      return parsed;
    }
    if (name == "--power-cycle-when-asked" && !value) {
      o.powerCycleWhenAsked = true;
      continue;
    }
    if (name == "--pty") {
      o.pty = true;
      if (value) {
        o.ptyLink = *value;
      } else if (i + 1 < arguments.size() && !arguments[i + 1].startsWith('-')) {
        o.ptyLink = arguments[++i];
      }
      continue;
    }
    if (name == "--fail") {
      if (!value && i + 1 < arguments.size()) value = arguments[++i];
      if (!value) return refuse("--fail needs a mode");
      QString whyNot;
      if (!AddFailureMode(*value, o.fail, whyNot)) return refuse(whyNot);
      continue;
    }
    const auto reader = valued.find(name);
    if (reader == valued.end()) return refuse(QString("unknown argument \"%1\" (see --help)").arg(arguments[i]));
    if (!value && i + 1 < arguments.size()) value = arguments[++i];
    if (!value) return refuse(QString("%1 needs a value").arg(name));
    if (!reader->second(*value)) return refuse(QString("bad value \"%1\" for %2").arg(*value, name));
  }

  if (!o.pty && o.tcpAddress.isEmpty() && o.udpAddress.isEmpty()) {
    return refuse("nothing to simulate: give --pty, --tcp or --udp");
  }
  // A reset scheduled for later would strike in the middle of a dialogue the
  // power cycle on demand has already begun.
  if (o.powerCycleWhenAsked && o.resetAfter > 0.0) {
    return refuse("--power-cycle-when-asked and --reset-after exclude each other: the board resets when the tool asks");
  }
  parsed.outcome = ParsedOptions::Outcome::kRun;
  return parsed;
}

}  // namespace dorvane::sim
