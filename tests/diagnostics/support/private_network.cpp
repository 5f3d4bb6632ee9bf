#include "private_network.h"

#include <sched.h>
#include <unistd.h>

#include "test_process.h"

QString EnterPrivateNetwork(const QList<QStringList>& ipCommands) {
  if (geteuid() != 0) return "needs root to make a network namespace";
  if (unshare(CLONE_NEWNET) != 0) return "unshare(CLONE_NEWNET) failed";
  QList<QStringList> commands = {{"link", "set", "lo", "up"}};
  commands += ipCommands;
  for (const QStringList& command : commands) {
    ProcessResult result = RunProgram("ip", command);
    if (!result.started || result.exitCode != 0) {
      return QString("ip %1 failed: %2").arg(command.join(' '), QString::fromLocal8Bit(result.err));
    }
  }
  return {};
}
