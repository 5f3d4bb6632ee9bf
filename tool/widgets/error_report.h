#pragma once
// The standard error box of every handler's trap.

#include <QString>

namespace dorvane {

class RunTimeError;

// Restores the arrow pointer; for a number other than 0 shows the
// four-line report titled with the executable's name.
void ShowErrorReport(const QString& label, int number, const QString& description);
void ShowErrorReport(const QString& label, const RunTimeError& error);

// Call from a catch block: reports the exception being handled with the
// handler's fixed label, RunTimeError with its own number and description,
// anything else as error 5.
void ReportTrappedError(const QString& label);

}  // namespace dorvane
