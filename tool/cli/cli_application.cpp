#include "cli/cli_application.h"

#include <QGuiApplication>
#include <QScreen>

#include "diagnostics/screen_of.h"
#include "platform/system.h"

namespace dorvane::cli {

namespace {

// Qt's platforms without a real screen.
bool ScreenlessPlatform(const QString& platform) { return platform == "offscreen" || platform == "minimal"; }

bool WindowSystemPresent() {
  QString chosen = qEnvironmentVariable("QT_QPA_PLATFORM");
  if (!chosen.isEmpty()) return !ScreenlessPlatform(chosen);
  return platform::WindowSystemConfigured();
}

}  // namespace

std::unique_ptr<QCoreApplication> CreateApplication(int& argc, char** argv, bool usesScreen) {
  if (!usesScreen || !WindowSystemPresent()) return std::make_unique<QCoreApplication>(argc, argv);
  // A display that cannot be reached must not end the program: Qt then
  // falls back to its offscreen platform, which reports no screen.
  platform::AllowOffscreenFallback();
  return std::make_unique<QGuiApplication>(argc, argv);
}

std::optional<ScreenFacts> WindowSystemScreen() {
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return std::nullopt;
  if (ScreenlessPlatform(QGuiApplication::platformName())) return std::nullopt;
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return std::nullopt;
  return ScreenFactsOf(*screen);
}

}  // namespace dorvane::cli
