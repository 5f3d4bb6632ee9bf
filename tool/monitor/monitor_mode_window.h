#pragma once
// frmMonitorMode: the answers of one monitor-mode exchange, one read-only
// box per command in a fixed-pitch font. Each run fills a window of its
// own; Exit unloads it.

#include <QDialog>
#include <memory>

#include "monitor/monitor_exchange.h"

class QPlainTextEdit;

namespace Ui {
class frmMonitorMode;
}

namespace dorvane {

class MonitorModeWindow : public QDialog {
  Q_OBJECT

 public:
  explicit MonitorModeWindow(QWidget* parent = nullptr);
  ~MonitorModeWindow() override;

  // Each answer into its command's box, and the window's shape for the
  // kind: the third box and the taller window only for a wireless board.
  void ShowResult(const MonitorResult& result);

  // txtResponse1 .. txtResponse3 for 0..2.
  QPlainTextEdit* ResponseBox(int box) const;

 private:
  void SetKind(MonitorKind kind);

  std::unique_ptr<Ui::frmMonitorMode> m_ui;
};

}  // namespace dorvane
