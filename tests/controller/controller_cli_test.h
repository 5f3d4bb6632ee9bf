#pragma once
// What the controllers' pellarctl tests share: their board's program
// command at a fast time scale, and the simulated module on a pty of the
// test's own.

#include <QCoreApplication>
#include <QDir>
#include <QObject>
#include <QtTest>

#include "sim_process.h"
#include "test_process.h"

namespace dorvane::testing {

class ControllerCliTest : public QObject {
 protected:
  // board: the word after "program"; simKind: the simulator's --kind.
  ControllerCliTest(QString board, QString simKind)
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

  const QString m_board;
  const QString m_simKind;
  const QString m_link;
};

}  // namespace dorvane::testing
