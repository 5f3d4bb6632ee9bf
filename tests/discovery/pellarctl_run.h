#pragma once
// Runs pellarctl as a black box with every wait scaled down.

#include <QString>
#include <QStringList>

namespace dorvane::testing {

struct PellarctlResult {
  int exitCode = -1;  // -1: crashed or never finished
  QString out;
  QString err;
};

// Runs the pellarctl of PELLAR_BUILD_DIR, optionally through a launcher such
// as "ip netns exec NAME". This thread's event loop keeps running meanwhile,
// so a responder in the test can answer.
PellarctlResult RunPellarctl(const QStringList& arguments, const QStringList& launcher = {});

}  // namespace dorvane::testing
