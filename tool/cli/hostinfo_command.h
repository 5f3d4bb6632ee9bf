#pragma once
// pellarctl hostinfo [--test]: the main window's host facts (Get Current IP)
// and, with --test, its system test results.

#include <QStringList>

namespace dorvane::cli {

extern const char* const kHostInfoSynopsis;

int RunHostInfoCommand(const QStringList& arguments);

}  // namespace dorvane::cli
