// Benchmark: a scripted network run of 60 answers against pellar-devsim
// with every wait scaled by 0.02. Prints the run's overhead over the sum of
// its mandated waits and the CPU it burned per wall second. Targets: both
// under 2 %.

#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <cstdio>

#include "dialogue/dialogue_runner.h"
#include "dialogue/dialogue_steps.h"
#include "fake_arp_table.h"
#include "sim_process.h"

using namespace dorvane;

namespace {

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

constexpr double kScale = 0.02;
constexpr int kAnswers = 60;
constexpr double kAnswerPause = 1.0;

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("DORVANE_TIME_SCALE", QByteArray::number(kScale));
  QCoreApplication app(argc, argv);
  if (!QFile::exists(testing::SimProcess::BinaryPath())) {
    std::printf("SKIP: pellar-devsim is not built\n");
    return 0;
  }
  testing::SimProcess sim;
  if (!sim.Start({"--tcp", "127.0.0.61", "--assign-port", "0", "--time-scale", QString::number(kScale)})) {
    std::printf("FAIL: %s\n", qPrintable(sim.Error()));
    return 1;
  }

  // Mandated waits: 5 s after port 1, 3 s after port 9999, 5 s after the CR,
  // then one answer pause per answer.
  const double mandated = (5 + 3 + 5 + kAnswers * kAnswerPause) * kScale;
  DialogueRunner runner;
  QSignalSpy finished(&runner, &DialogueRunner::Finished);
  DialogueRunner::Options options;
  options.arp = std::make_shared<testing::FakeArpTable>();
  QElapsedTimer wall;
  double cpuStart = CpuSeconds();
  wall.start();
  runner.Start(
      [](Dialogue& d) {
        if (!ConnectSetupPort(d, "127.0.0.61")) return RunOutcome::Ended(RunOutcome::Kind::CommunicationFailure);
        for (int i = 0; i < kAnswers; ++i) SendAnswer(d, std::to_string(i % 10) + "\r", kAnswerPause);
        return RunOutcome{};
      },
      options);
  if (!finished.wait(120000)) {
    std::printf("FAIL: the run did not end\n");
    return 1;
  }
  double seconds = wall.nsecsElapsed() / 1e9;
  double cpu = CpuSeconds() - cpuStart;
  auto outcome = finished.first().first().value<RunOutcome>();
  if (outcome.kind != RunOutcome::Kind::Completed) {
    std::printf("FAIL: the run ended with kind %d: %s\n", static_cast<int>(outcome.kind), outcome.description.c_str());
    return 1;
  }
  double overhead = (seconds - mandated) / mandated * 100.0;
  double cpuShare = cpu / seconds * 100.0;
  std::printf("run of %d answers: %.3f s wall, mandated waits %.3f s\n", kAnswers, seconds, mandated);
  std::printf("overhead over mandated waits: %.2f %% (target < 2 %%)\n", overhead);
  std::printf("CPU: %.4f s = %.2f %% of one core (target < 2 %%)\n", cpu, cpuShare);
  bool met = overhead < 2.0 && cpuShare < 2.0;
  std::printf("%s\n", met ? "targets met" : "targets missed");
  return met ? 0 : 1;
}
