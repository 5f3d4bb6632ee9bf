// The README's pellarctl examples, each run exactly as written (through
// sh -c, in a folder holding the key files the README says how to make)
// against pellar-devsim of the kind it names. Only the devices the COM
// entries reach (DORVANE_COM<N>) and the time scale differ from an
// installer's run. An example the test cannot place on a simulated module
// fails it, so the README and the test cannot drift apart.
//
// As root every example runs in a network namespace of the test's own (the
// runs clear the ARP table), with the module in a second one behind a veth
// pair at the example's own address; the network examples need that and
// skip without it.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "net_namespace.h"
#include "sim_process.h"
#include "test_process.h"

using dorvane::testing::NetNamespace;
using dorvane::testing::SimProcess;

namespace {

constexpr const char* kScale = "0.02";
constexpr const char* kSection = "## Using the tool";
// The simulator's own MAC, which discovery lists.
constexpr const char* kModuleMac = "00-20-4A-12-34-56";
// Where the discovery example's module sits; the example names no address.
constexpr const char* kDiscoveryAddress = "10.233.0.2";

// The commands of the sh blocks of the README's section, in order; a line
// ending in a backslash goes on in the next. Comment lines are no command.
QStringList ReadmeCommands(QString& why) {
  QFile file(qEnvironmentVariable("PELLAR_README"));
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    why = "cannot read the README (PELLAR_README): " + file.fileName();
    return {};
  }
  QStringList commands;
  bool inSection = false;
  bool inBlock = false;
  QString pending;
  for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
    if (line.startsWith("## ")) inSection = line == kSection;
    const QString text = line.trimmed();
    if (!inSection) continue;
    if (text.startsWith("```")) {
      inBlock = !inBlock && text == "```sh";
      continue;
    }
    if (!inBlock || (pending.isEmpty() && (text.isEmpty() || text.startsWith('#')))) continue;
    pending += (pending.isEmpty() ? QString() : QString(" ")) + text;
    if (pending.endsWith('\\')) {
      pending.chop(1);
      pending = pending.trimmed();
      continue;
    }
    commands << pending;
    pending.clear();
  }
  if (commands.isEmpty()) why = QString("no sh block with commands under \"%1\" in the README").arg(kSection);
  return commands;
}

bool IsExample(const QString& command) { return command.startsWith("pellarctl "); }

// Where an example's module is and what the simulator logs once the
// example's settings or queries reached it.
struct Placement {
  enum class Link { kCom, kNetwork, kDiscovery };
  Link link = Link::kCom;
  QString simKind;
  int com = 0;
  QString address;
  QString mac = kModuleMac;
  QStringList events;
  QString why;  // not empty: the example cannot be placed
};

// The word after the option, as the example writes it.
QString OptionValue(const QStringList& words, const QString& option) {
  const qsizetype at = words.indexOf(option);
  return at >= 0 && at + 1 < words.size() ? words[at + 1] : QString();
}

Placement PlaceProgram(const QStringList& words) {
  // The module each board kind's command speaks to.
  static const QMap<QString, QString> kSimKinds{{"pellar2", "pellar2"},   {"pellar6", "pellar6"},
                                                {"wireless", "wireless"}, {"wireless-encrypted", "wireless-encrypted"},
                                                {"qm270", "xport-ar"},    {"qm270b", "xpico"}};
  Placement placement;
  const QString board = words.value(2);
  placement.simKind = kSimKinds.value(board);
  if (placement.simKind.isEmpty()) {
    placement.why = "no simulated module plays \"program " + board + "\"";
    return placement;
  }
  // The XPort AR module has no menu to save from; its settings are in once
  // it reloads.
  placement.events = {placement.simKind == "xport-ar" ? "reload" : "saved"};
  const QString via = OptionValue(words, "--via");
  static const QRegularExpression com("^com([0-9]+)$");
  if (QRegularExpressionMatch match = com.match(via); match.hasMatch()) {
    placement.com = match.captured(1).toInt();
  } else if (via.startsWith("net:")) {
    placement.link = Placement::Link::kNetwork;
    placement.address = via.mid(4);
  } else if (via == "arp") {
    placement.link = Placement::Link::kNetwork;
    placement.address = OptionValue(words, "--ip");
    placement.mac = OptionValue(words, "--mac");
  } else {
    placement.why = "no simulated module is reached by --via \"" + via + "\"";
  }
  return placement;
}

Placement Place(const QString& example) {
  const QStringList words = example.split(' ', Qt::SkipEmptyParts);
  const QString command = words.value(1);
  if (command == "program") return PlaceProgram(words);
  Placement placement;
  if (command == "discover") {
    placement.link = Placement::Link::kDiscovery;
    placement.simKind = "pellar2";
    placement.address = kDiscoveryAddress;
    placement.events = {"discovery"};
  } else if (command == "monitor") {
    placement.link = Placement::Link::kNetwork;
    placement.address = words.value(2);
    placement.simKind = OptionValue(words, "--kind") == "wireless" ? "wireless" : "pellar2";
    placement.events = {"monitor", "monitor-quit"};
  } else {
    placement.why = "no simulated module answers \"pellarctl " + command + "\"";
  }
  return placement;
}

// The tool's address on the module's network: .1 of its /24, or .2 when
// the module is .1.
QString ToolAddressBeside(const QString& moduleAddress) {
  QStringList parts = moduleAddress.split('.');
  parts.last() = parts.last() == "1" ? "2" : "1";
  return parts.join('.');
}

}  // namespace

class TestReadmeExamples : public QObject {
  Q_OBJECT

  QTemporaryDir m_folder;
  QString m_noNamespace;  // why there are no namespaces here; empty as root

 private slots:
  // The README's other commands make the key files, in the folder the
  // examples run in; each key file holds a key of the size its name says.
  void initTestCase() {
    QVERIFY(m_folder.isValid());
    QVERIFY(QDir::setCurrent(m_folder.path()));
    m_noNamespace = NetNamespace::WhyUnavailable();
    if (!m_noNamespace.isEmpty()) qInfo("without namespaces: %s", qPrintable(m_noNamespace));
    QString why;
    const QStringList commands = ReadmeCommands(why);
    QVERIFY2(why.isEmpty(), qPrintable(why));
    // In one shell, as a reader pastes them: a umask line holds for the
    // lines after it.
    QStringList setup;
    for (const QString& command : commands) {
      if (!IsExample(command)) setup << command;
    }
    ProcessResult made = RunProgram("sh", {"-c", setup.join('\n')});
    QVERIFY2(made.exitCode == 0, qPrintable(setup.join('\n') + ": " + made.ErrText()));
    static const QRegularExpression keyFileName("^key([0-9]+)\\.txt$");
    for (const QString& name : QDir(m_folder.path()).entryList(QDir::Files)) {
      QRegularExpressionMatch match = keyFileName.match(name);
      if (!match.hasMatch()) continue;
      QFile file(name);
      QVERIFY(file.open(QIODevice::ReadOnly));
      const QByteArray key = file.readLine().trimmed();
      QVERIFY2(QRegularExpression("^[0-9A-F]+$").match(QString::fromLatin1(key)).hasMatch(), qPrintable(name));
      QCOMPARE(key.size(), match.captured(1).toInt() / 4);
      // Made as the README says, a key file is its owner's alone.
      QCOMPARE(file.permissions() & ~(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser),
               QFileDevice::Permissions());
    }
  }

  void example_data() {
    QTest::addColumn<QString>("example");
    QString why;
    int examples = 0;
    for (const QString& command : ReadmeCommands(why)) {
      if (!IsExample(command)) continue;
      QTest::newRow(command.toUtf8().constData()) << command;
      ++examples;
    }
    QVERIFY2(examples > 0, qPrintable(why.isEmpty() ? "the README shows no pellarctl example" : why));
  }
  void example() {
    QFETCH(QString, example);
    const Placement placement = Place(example);
    QVERIFY2(placement.why.isEmpty(), qPrintable(placement.why + ": place it in " + __FILE__));
    if (!QFile::exists(SimProcess::BinaryPath())) QSKIP("pellar-devsim is not built");
    const bool network = placement.link != Placement::Link::kCom;
    if (network && !m_noNamespace.isEmpty()) {
      QSKIP(qPrintable("the network examples run in namespaces of the test's own: " + m_noNamespace));
    }

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("PATH", qEnvironmentVariable("PELLAR_BUILD_DIR") + ":" + environment.value("PATH"));
    environment.insert("DORVANE_TIME_SCALE", kScale);

    std::unique_ptr<NetNamespace> tool;
    std::unique_ptr<NetNamespace> module;
    if (m_noNamespace.isEmpty()) {
      tool = std::make_unique<NetNamespace>("rd-tool");
      QVERIFY2(tool->Create(), qPrintable(tool->Error()));
    }
    SimProcess sim;
    QStringList simArguments{"--kind", placement.simKind, "--time-scale", kScale};
    if (network) {
      module = std::make_unique<NetNamespace>("rd-mod");
      QVERIFY2(module->Create(), qPrintable(module->Error()));
      const QString end = module->EndTo(*tool);
      QVERIFY2(tool->Link(ToolAddressBeside(placement.address) + "/24", *module, placement.address + "/24"),
               qPrintable(tool->Error()));
      QVERIFY(module->Ip({"link", "set", end, "down"}));
      QVERIFY(module->Ip({"link", "set", end, "address", placement.mac.toLower().replace('-', ':')}));
      QVERIFY(module->Ip({"link", "set", end, "up"}));
      // The limited broadcast of discovery leaves by the default route.
      QVERIFY(tool->Ip({"route", "add", "default", "dev", tool->EndTo(*module)}));
      sim.SetLauncher(module->Launcher());
      simArguments << (placement.link == Placement::Link::kDiscovery ? QStringList{"--udp", "0.0.0.0"}
                                                                     : QStringList{"--tcp", placement.address});
    } else {
      simArguments << QStringList{"--pty", "--reset-after", "1"};
    }
    QVERIFY2(sim.Start(simArguments), qPrintable(sim.Error()));
    if (!network) environment.insert(QString("DORVANE_COM%1").arg(placement.com), sim.PtyPath());

    const QStringList command = (tool ? tool->Launcher() : QStringList()) + QStringList{"sh", "-c", example};
    ProcessResult r = RunProgram(command.first(), command.mid(1), environment, 120000,
                                 [](QProcess& process) { process.closeWriteChannel(); });
    const QString said = r.OutText() + r.ErrText();
    QVERIFY2(r.exitCode == 0, qPrintable(QString("exit %1\n").arg(r.exitCode) + said));
    QVERIFY2(!said.contains("other users"), qPrintable(said));
    // pellarctl may be gone before the simulator has logged the last answer.
    for (const QString& event : placement.events) {
      QTRY_VERIFY2_WITH_TIMEOUT(sim.Events().contains(event), qPrintable(event + " not in: " + sim.Events().join(", ")),
                                10000);
    }
    const QStringList unexpected = sim.Events(true).filter("unexpected");
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join("; ")));
    if (placement.link == Placement::Link::kDiscovery) {
      QVERIFY2(r.OutText().contains(QString(kModuleMac).replace('-', '.')), qPrintable(said));
    }
  }
};

QTEST_GUILESS_MAIN(TestReadmeExamples)
#include "tst_readme_examples.moc"
