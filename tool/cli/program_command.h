#pragma once
// pellarctl program: configures a board with the same script, runner and
// texts as its window.

#include <QStringList>

namespace dorvane::cli {

int RunProgramCommand(const QStringList& arguments);

}  // namespace dorvane::cli
