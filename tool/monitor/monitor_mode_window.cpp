#include "monitor/monitor_mode_window.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <array>

#include "base/screen_units.h"
#include "ui_monitor_mode_window.h"
#include "widgets/apply_language.h"
#include "widgets/error_report.h"
#include "widgets/help.h"

namespace dorvane {

namespace {

// The window's documented measures are in twips, its height with the title
// bar of the system they were taken on.
constexpr int kTitleBarTwips = 405;

struct KindLayout {
  bool thirdBox;
  int heightTwips;
  int exitTopTwips;
};

constexpr KindLayout LayoutOf(MonitorKind kind) {
  return kind == MonitorKind::Wireless ? KindLayout{true, 8880, 7700} : KindLayout{false, 6375, 5160};
}

}  // namespace

MonitorModeWindow::MonitorModeWindow(QWidget* parent) : QDialog(parent), m_ui(std::make_unique<Ui::frmMonitorMode>()) {
  m_ui->setupUi(this);
  AttachHelp(this, "monitor_mode");
  connect(m_ui->cmdExit, &QPushButton::clicked, this, &QDialog::accept);
  try {
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (int box = 0; box < 3; ++box) ResponseBox(box)->setFont(fixed);
    ApplyLanguage(this);
    SetKind(MonitorKind::EthernetIP);
  } catch (...) {
    ReportTrappedError("Monitor Mode Load");
  }
}

MonitorModeWindow::~MonitorModeWindow() = default;

QPlainTextEdit* MonitorModeWindow::ResponseBox(int box) const {
  const std::array<QPlainTextEdit*, 3> boxes = {m_ui->txtResponse1, m_ui->txtResponse2, m_ui->txtResponse3};
  return boxes.at(static_cast<std::size_t>(box));
}

void MonitorModeWindow::SetKind(MonitorKind kind) {
  const KindLayout layout = LayoutOf(kind);
  m_ui->txtResponse3->setVisible(layout.thirdBox);
  m_ui->cmdExit->move(m_ui->cmdExit->x(), TwipsToPixels(layout.exitTopTwips));
  setFixedSize(width(), TwipsToPixels(layout.heightTwips - kTitleBarTwips));
}

void MonitorModeWindow::ShowResult(const MonitorResult& result) {
  SetKind(result.kind);
  for (const MonitorAnswer& answer : result.answers) {
    // Cleaned answers are plain ASCII; failure texts come from the UTF-8 table.
    QString text = QString::fromStdString(answer.text);
    ResponseBox(answer.box)->setPlainText(text.replace("\r\n", "\n"));
  }
}

}  // namespace dorvane
