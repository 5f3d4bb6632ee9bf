#pragma once
// What the tests of a `pellarctl program BOARD` command share: the command
// at a fast time scale, the simulated module on a pty of the test's own,
// and the checks every board's command passes the same way: the refusals
// before the run (a test of this fixture's own, over the rows the board's
// test adds) and Ctrl+C while the module does not wake.

#include <QCoreApplication>
#include <QDir>
#include <QObject>
#include <QtTest>

#include "sim_process.h"
#include "test_process.h"

namespace dorvane::testing {

class PellarctlProgramTest : public QObject {
  Q_OBJECT

 protected:
  // board: the word after "program"; simKind: the simulator's --kind.
  PellarctlProgramTest(QString board, QString simKind)
      : m_board(std::move(board)),
        m_simKind(std::move(simKind)),
        m_link(QDir::temp().filePath(QString("pellar-%1-%2").arg(m_board).arg(QCoreApplication::applicationPid()))) {}

  static constexpr const char* kScale = "0.02";

  // pellarctl program BOARD with the arguments, in English.
  ProcessResult Run(const QStringList& arguments, WhileRunning whileRunning = {}) {
    PellarctlRun run;
    run.timeScale = kScale;
    run.environment.insert("LANG", "en_US.UTF-8");
    run.timeoutMs = 120000;
    run.whileRunning = std::move(whileRunning);
    return RunPellarctl(QStringList{"program", m_board} + arguments, run);
  }

  // The module, reset a second after its start, on the pty m_link names.
  void StartSim(SimProcess& sim, const QStringList& more = {}) {
    QVERIFY2(sim.Start(QStringList{"--kind", m_simKind, "--pty", m_link, "--reset-after", "1", "--time-scale", kScale} +
                       more),
             qPrintable(sim.Error()));
  }

  // The rows of refusals(): the arguments (QStringList) and a part of the
  // message that refuses them (QString).
  virtual void AddRefusals() = 0;

  // A module with the fault never wakes; Ctrl+C after afterMs cancels the
  // run: exit 4 and the cancel message.
  void ExpectInterruptedWakeUp(SimProcess& sim, const QString& fault, int afterMs, const QString& message) {
    StartSim(sim, {"--fail", fault});
    ProcessResult r = Run({"--ip", "192.168.1.20", "--via", "serial:" + m_link}, InterruptAfter(afterMs));
    QCOMPARE(r.exitCode, 4);
    QVERIFY2(r.ErrText().contains(message), qPrintable(r.OutText() + r.ErrText()));
  }

  const QString m_board;
  const QString m_simKind;
  const QString m_link;

 private slots:
  // Refused before anything starts: exit 2 and the message on stderr.
  void refusals_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    AddRefusals();
  }
  void refusals() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    ProcessResult r = Run(arguments);
    QCOMPARE(r.exitCode, 2);
    QVERIFY2(r.ErrText().contains(message), qPrintable(r.ErrText()));
  }
};

}  // namespace dorvane::testing
