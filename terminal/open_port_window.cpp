#include "terminal/open_port_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QTableWidget>
#include <QVBoxLayout>

#include "base/run_time_error.h"
#include "platform/process_start.h"
#include "platform/serial_ports.h"
#include "terminal/terminal_settings.h"
#include "terminal/terminal_window.h"
#include "widgets/help.h"
#include "widgets/help.h"

namespace dorvane::terminal {

namespace {

constexpr int kTypeMismatch = 13;
constexpr int kInvalidProcedureCall = 5;

// The COM entries that reach the device, "COM3" or "COM3, COM5"; empty for
// none.
QString EntriesReaching(const QString& device) {
  QStringList entries;
  for (int n = 1; n <= platform::kComPortCount; ++n) {
    if (QString::fromStdString(platform::ComPortDevice(n)) == device) entries << QString("COM%1").arg(n);
  }
  return entries.join(", ");
}

}  // namespace

OpenPortWindow::OpenPortWindow(TerminalWindow& terminal, QWidget* parent) : QDialog(parent), m_terminal(terminal) {
  setObjectName("frmOpenPort");
  setWindowTitle("Open Comm Port Selection");
  AttachHelp(this, "terminal");

  auto* lblPorts = new QLabel(" Comm Port Number", this);
  lblPorts->setObjectName("lblPorts");
  m_cmbPorts = new QComboBox(this);
  m_cmbPorts->setObjectName("cmbPorts");
  m_lblPortDevice = new QLabel(this);
  m_lblPortDevice->setObjectName("lblPortDevice");
  auto* lblBaudRate = new QLabel(" Baud Rate", this);
  lblBaudRate->setObjectName("lblBaudRate");
  m_cmbBaudRate = new QComboBox(this);
  m_cmbBaudRate->setObjectName("cmbBaudRate");
  m_lblDeviceManager = new QLabel("Windows Device Manager", this);
  m_lblDeviceManager->setObjectName("lblDeviceManager");
  m_lblDeviceManager->setToolTip("Shows the serial devices of this computer and the COM entry that reaches each");
  m_lblDeviceManager->setStyleSheet("color: #0000c0; text-decoration: underline;");
  m_lblDeviceManager->setCursor(Qt::PointingHandCursor);
  m_lblDeviceManager->installEventFilter(this);
  m_cmdOpen = new QPushButton("Open Port", this);
  m_cmdOpen->setObjectName("cmdOpen");
  m_cmdOpen->setDefault(true);
  m_cmdExit = new QPushButton("E&xit", this);
  m_cmdExit->setObjectName("cmdExit");

  auto* fields = new QGridLayout;
  fields->addWidget(lblPorts, 0, 0);
  fields->addWidget(m_cmbPorts, 0, 1);
  fields->addWidget(m_lblPortDevice, 1, 1);
  fields->addWidget(lblBaudRate, 2, 0);
  fields->addWidget(m_cmbBaudRate, 2, 1);
  fields->setColumnStretch(1, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(m_lblDeviceManager);
  buttons->addStretch(1);
  buttons->addWidget(m_cmdOpen);
  buttons->addWidget(m_cmdExit);
  auto* page = new QVBoxLayout(this);
  page->addLayout(fields);
  page->addStretch(1);
  page->addLayout(buttons);
  page->setSizeConstraint(QLayout::SetFixedSize);

  // Filling the lists raises nothing, so there is no error to ignore here.
  for (int n = 1; n <= kPortEntryCount; ++n) m_cmbPorts->addItem(QString::fromStdString(PadText(2, std::to_string(n))));
  m_cmbPorts->setCurrentIndex(0);
  for (const std::string& rate : BaudRateEntries()) m_cmbBaudRate->addItem(QString::fromStdString(rate));
  m_cmbBaudRate->setCurrentIndex(kDefaultBaudIndex);
  ShowPortDevice();

  connect(m_cmbPorts, &QComboBox::currentIndexChanged, this, &OpenPortWindow::ShowPortDevice);
  connect(m_cmdOpen, &QPushButton::clicked, this, &OpenPortWindow::OnOpen);
  connect(m_cmdExit, &QPushButton::clicked, this, [this] { EndProgram(0); });
}

void OpenPortWindow::ShowPortDevice() {
  bool ok = false;
  int port = m_cmbPorts->currentText().trimmed().toInt(&ok);
  m_lblPortDevice->setText(ok ? QString::fromStdString(platform::ComPortDescription(port)) : QString());
}

void OpenPortWindow::OnOpen() {
  try {
    int baudCode = BaudCodeOfIndex(m_cmbBaudRate->currentIndex());
    bool ok = false;
    int port = m_cmbPorts->currentText().trimmed().toInt(&ok);
    if (!ok) throw RunTimeError(kTypeMismatch, "Type mismatch");
    if (!m_terminal.OpenCommPort(port, baudCode, false, 8, 1)) {
      EndProgram(1);
      return;
    }
    m_terminal.DiscardWaitingInput();
    accept();
  } catch (...) {
    ReportTrappedTerminalError(kOpenPortClickLabel);
    EndProgram(1);
  }
}

void OpenPortWindow::EndProgram(int exitCode) {
  m_exitCode = exitCode;
  done(QDialog::Rejected);
}

bool OpenPortWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_lblDeviceManager && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    OnDeviceManager();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void OpenPortWindow::OnDeviceManager() {
  if (!platform::HasDeviceManager()) {
    ShowSerialDevices();
    return;
  }
  if (!platform::OpenDeviceManager()) {
    ShowTerminalErrorReport("Run Shell Execuite", kInvalidProcedureCall, "The Device Manager (devmgmt.msc) did not start");
  }
}

void OpenPortWindow::ShowSerialDevices() {
  struct Row {
    QString device, description, manufacturer, serialNumber, entries;
  };
  QList<Row> rows;
  QStringList listed;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    rows.append({info.systemLocation(), info.description(), info.manufacturer(), info.serialNumber(),
                 EntriesReaching(info.systemLocation())});
    listed << info.systemLocation();
  }
  // Entries set to a device the system does not list as a serial port (a
  // pty, a path given in DORVANE_COM<N>) reach it all the same.
  for (int n = 1; n <= platform::kComPortCount; ++n) {
    QString device = QString::fromStdString(platform::ComPortDevice(n));
    if (device.isEmpty() || listed.contains(device)) continue;
    rows.append({device, QString("set by DORVANE_COM%1").arg(n), QString(), QString(), EntriesReaching(device)});
    listed << device;
  }

  auto* window = new QDialog(this);
  window->setObjectName("frmSerialDevices");
  window->setWindowTitle("Serial Devices");
  AttachHelp(window, "terminal");
  window->setAttribute(Qt::WA_DeleteOnClose);
  auto* table = new QTableWidget(static_cast<int>(rows.size()), 5, window);
  table->setObjectName("lsvSerialDevices");
  table->setHorizontalHeaderLabels({"Device", "Description", "Manufacturer", "Serial Number", "COM Entry"});
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->verticalHeader()->hide();
  for (int r = 0; r < rows.size(); ++r) {
    const Row& row = rows[r];
    const QString cells[] = {row.device, row.description, row.manufacturer, row.serialNumber, row.entries};
    for (int c = 0; c < 5; ++c) table->setItem(r, c, new QTableWidgetItem(cells[c]));
  }
  table->resizeColumnsToContents();
  table->horizontalHeader()->setStretchLastSection(true);
  auto* none = new QLabel(rows.isEmpty() ? "No serial devices are present." : QString(), window);
  none->setObjectName("lblNoDevices");
  none->setVisible(rows.isEmpty());
  auto* close = new QPushButton("Close", window);
  connect(close, &QPushButton::clicked, window, &QDialog::accept);
  auto* page = new QVBoxLayout(window);
  page->addWidget(none);
  page->addWidget(table);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(close);
  page->addLayout(buttons);
  window->resize(640, 260);
  window->show();
}

}  // namespace dorvane::terminal
