// Benchmark: the main window opens and closes every programming window 100
// times, as an installer going from board to board does. Prints the memory,
// open descriptors and threads after rounds 10 and 100. Targets: RSS growth
// under 2 MB, no growth in descriptors or threads.

#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "families/board_family.h"
#include "process_figures.h"
#include "shell/main_window.h"
#include "widgets/message_boxes.h"
#include "widgets/programming_window.h"

using namespace dorvane;

namespace {

constexpr int kRounds = 100;
constexpr int kEarly = 10;

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  SetMessageBoxResponder([](const MessageBoxRequest&) { return QMessageBox::Ok; });
  MainWindow main;
  main.show();
  testing::ProcessFigures early, late;
  for (int round = 1; round <= kRounds; ++round) {
    for (const BoardFamily* family : BoardFamilies()) {
      // As the main window does: the window is modal until Exit closes it.
      std::unique_ptr<ProgrammingWindow> window = family->openWindow(main, &main, {});
      QTimer::singleShot(0, window.get(), &QDialog::reject);
      window->exec();
    }
    QApplication::processEvents();
    if (round == kEarly) early = testing::ProcessFigures::Now();
    if (round == kRounds) late = testing::ProcessFigures::Now();
  }
  const bool met = testing::ReportSoak("round", kEarly, early, kRounds, late);
  std::printf("%s\n", met ? "targets met" : "targets missed");
  return met ? 0 : 1;
}
