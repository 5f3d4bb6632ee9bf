#pragma once
// Running the system's own tools (ip, df, pellarctl) from a test.

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct ProcessResult {
  bool started = false;
  int exitCode = -1;
  QByteArray out;
  QByteArray err;
};

// Waits for the program to end, at most timeoutMs; a program that does not
// end in time is killed and reported as not started.
ProcessResult RunProgram(const QString& program, const QStringList& arguments,
                         const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
                         int timeoutMs = 30000);

// The pellarctl of this build.
QString PellarctlPath();
