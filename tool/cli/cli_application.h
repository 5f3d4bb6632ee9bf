#pragma once
// The application object of pellarctl and the window system it can see.

#include <QCoreApplication>
#include <memory>
#include <optional>

#include "diagnostics/host_fact_texts.h"

namespace dorvane::cli {

// A console application; a GUI application for a command that reads the
// screen, when a window system is there to ask (pellarctl never opens a
// window).
std::unique_ptr<QCoreApplication> CreateApplication(int& argc, char** argv, bool usesScreen);

// The primary screen of the window system; nothing on a console or on
// Qt's offscreen and minimal platforms, which have no real screen.
std::optional<ScreenFacts> WindowSystemScreen();

}  // namespace dorvane::cli
