#pragma once
// The error trap of the diagnostics handlers.

#include <QString>

namespace dorvane {

// Call from a catch block: reports the exception being handled with the
// handler's fixed label, RunTimeError with its own number and description,
// anything else as error 5.
void ReportTrappedError(const QString& label);

}  // namespace dorvane
