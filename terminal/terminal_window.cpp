#include "terminal/terminal_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <exception>

#include "base/run_time_error.h"
#include "base/screen_units.h"
#include "platform/serial_ports.h"
#include "terminal/terminal_settings.h"
#include "widgets/busy_state.h"
#include "widgets/help.h"
#include "widgets/message_boxes.h"

Q_LOGGING_CATEGORY(lcTerminal, "dorvane.terminal")

namespace dorvane::terminal {

namespace {

// The numbers the serial port control reported for these failures.
constexpr int kInvalidPropertyValue = 380;
constexpr int kInvalidPortNumber = 8002;
constexpr int kPortAlreadyOpen = 8005;

// The one place twips become pixels.
QRect Pixels(const TwipRect& r) {
  return {TwipsToPixels(r.left), TwipsToPixels(r.top), TwipsToPixels(r.width), TwipsToPixels(r.height)};
}

// The terminal text's length as the rule counts it: a line break is the
// carriage return and line feed pair it was received as.
qsizetype TextLength(const QPlainTextEdit* box) {
  const QTextDocument* document = box->document();
  return (document->characterCount() - 1) + (document->blockCount() - 1);
}

QFont TerminalFont() {
  QFont font("Terminal");
  font.setStyleHint(QFont::TypeWriter);
  if (!QFontInfo(font).fixedPitch()) font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  return font;
}

QString PortName(int port, const QString& device) {
  if (port == 0) return device;
  return QString("COM%1 (%2)").arg(port).arg(device.isEmpty() ? QString("no serial device") : device);
}

RunTimeError OpenFailure(const QSerialPort& port, const QString& name) {
  switch (port.error()) {
    case QSerialPort::PermissionError:
    case QSerialPort::OpenError:
      return RunTimeError(kPortAlreadyOpen, ("Port already open or not permitted: " + name + ": " + port.errorString())
                                                .toStdString());
    default:
      return RunTimeError(kInvalidPortNumber, ("Invalid port number: " + name + ": " + port.errorString()).toStdString());
  }
}

}  // namespace

void ShowTerminalErrorReport(const QString& label, int number, const QString& description) {
  while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
  if (number == 0) return;
  QString program = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
  QString title = QString::fromStdString(ErrorReportTitle(program.toStdString(), HYPERTERMINAL_VERSION));
  QString text = QString::fromStdString(ErrorReportText(label.toStdString(), number, description.toStdString()));
  ShowMessage(QApplication::activeWindow(), BoxIcon::Critical, title, text);
}

void ReportTrappedTerminalError(const QString& label) {
  RunTimeError error = CurrentRunTimeError();
  ShowTerminalErrorReport(label, error.Number(), QString::fromStdString(error.Description()));
}

TerminalWindow::TerminalWindow(QWidget* parent) : QWidget(parent) {
  setObjectName("frmMain");
  setWindowTitle("Dorvane Hyper Terminal");
  AttachHelp(this, "terminal");
  // No close entry: only Exit ends the terminal.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinMaxButtonsHint);
  SetCloseBox(this, true);
  m_port.setObjectName("PDQMainComm");

  m_trmText = new QPlainTextEdit(this);
  m_trmText->setObjectName("trmText");
  m_trmText->setFont(TerminalFont());
  m_trmText->setReadOnly(true);
  m_trmText->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  m_trmText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  m_trmText->setUndoRedoEnabled(false);
  m_trmText->installEventFilter(this);
  m_trmText->clear();

  m_trmHex = new QPlainTextEdit(this);
  m_trmHex->setObjectName("trmHex");
  m_trmHex->setFont(TerminalFont());
  m_trmHex->setReadOnly(true);
  m_trmHex->setUndoRedoEnabled(false);
  m_trmHex->setLineWrapMode(QPlainTextEdit::NoWrap);
  m_trmHex->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  m_trmHex->setVisible(false);

  m_txtSendData = new QLineEdit(this);
  m_txtSendData->setObjectName("txtSendData");
  m_cmdSend = new QPushButton("Send Command", this);
  m_cmdSend->setObjectName("cmdSend");
  m_cmdSend->setAutoDefault(false);
  m_cmdExit = new QPushButton("E&xit", this);
  m_cmdExit->setObjectName("cmdExit");
  m_chkHexView = new QCheckBox("Hex view", this);
  m_chkHexView->setObjectName("chkHexView");
  m_chkLog = new QCheckBox("Log to file", this);
  m_chkLog->setObjectName("chkLog");
  m_lblLogFile = new QLabel(this);
  m_lblLogFile->setObjectName("lblLogFile");
  m_lblLogFile->setTextInteractionFlags(Qt::TextSelectableByMouse);

  connect(&m_port, &QSerialPort::readyRead, this, &TerminalWindow::OnReceive);
  connect(&m_port, &QSerialPort::errorOccurred, this, &TerminalWindow::OnPortError);
  connect(m_cmdSend, &QPushButton::clicked, this, &TerminalWindow::OnSendCommand);
  connect(m_txtSendData, &QLineEdit::returnPressed, this, &TerminalWindow::OnSendCommand);
  connect(m_cmdExit, &QPushButton::clicked, this, [this] {
    SetCloseBox(this, false);
    close();
  });
  connect(m_chkHexView, &QCheckBox::toggled, this, [this](bool on) {
    m_trmHex->setVisible(on);
    Place();
  });
  connect(m_chkLog, &QCheckBox::toggled, this, &TerminalWindow::OnLogToggled);

  m_chooseLogFile = [](QWidget* owner) {
    return QFileDialog::getSaveFileName(owner, "Session Log File", QString(), "Log files (*.log *.txt);;All files (*)",
                                        nullptr, QFileDialog::DontConfirmOverwrite);
  };

  setMinimumSize(TwipsToPixels(kMinWidthTwips), TwipsToPixels(kMinHeightTwips));
  setMaximumSize(TwipsToPixels(kMaxWidthTwips), TwipsToPixels(kMaxHeightTwips));
  resize(TwipsToPixels(12000), TwipsToPixels(8400));
  setTabOrder(m_trmText, m_txtSendData);
  setTabOrder(m_txtSendData, m_cmdSend);
  setTabOrder(m_cmdSend, m_cmdExit);
  m_trmText->setFocus();
}

TerminalWindow::~TerminalWindow() {
  StopLog();
  if (m_port.isOpen()) m_port.close();
}

bool TerminalWindow::OpenCommPort(int port, int baudCode, bool evenParity, int dataBits, int stopBits) {
  return OpenPort(port, QString::fromStdString(platform::ComPortDevice(port)), baudCode, evenParity, dataBits,
                  stopBits);
}

bool TerminalWindow::OpenCommDevice(const QString& device, int baudCode, bool evenParity, int dataBits, int stopBits) {
  return OpenPort(0, device, baudCode, evenParity, dataBits, stopBits);
}

bool TerminalWindow::OpenPort(int port, const QString& device, int baudCode, bool evenParity, int dataBits,
                              int stopBits) {
  try {
    std::string settings = terminal::SettingsText(baudCode, evenParity, dataBits, stopBits);
    if (m_port.isOpen() && (settings != m_settings || port != m_portNumber || device != m_device)) {
      m_port.close();
    }
    m_settings = settings;
    m_portNumber = port;
    if (m_port.isOpen()) return true;
    m_device = device;
    int rate = BaudRateOfCode(baudCode);
    if (rate == 0) throw RunTimeError(kInvalidPropertyValue, "Invalid property value: baud code " + std::to_string(baudCode));
    QString name = PortName(port, device);
    if (device.isEmpty()) throw RunTimeError(kInvalidPortNumber, "Invalid port number: " + name.toStdString());
    m_port.setPortName(device);
    m_port.setBaudRate(rate);
    m_port.setParity(evenParity ? QSerialPort::EvenParity : QSerialPort::NoParity);
    m_port.setDataBits(static_cast<QSerialPort::DataBits>(dataBits));
    m_port.setStopBits(stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port.open(QIODevice::ReadWrite)) throw OpenFailure(m_port, name);
    return true;
  } catch (...) {
    ReportTrappedTerminalError(kOpenPortLabel);
    return false;
  }
}

qint64 TerminalWindow::CommInputCount() { return m_port.isOpen() ? m_port.bytesAvailable() : 0; }

QByteArray TerminalWindow::ReadCommInput(qint64 count) {
  if (count <= 0) return {};
  return m_port.read(count);
}

void TerminalWindow::DiscardWaitingInput() {
  if (!m_port.isOpen()) return;
  m_port.clear(QSerialPort::Input);
  ReadCommInput(CommInputCount());
}

void TerminalWindow::OnReceive() {
  // Errors here are ignored, as every receive error always was; they are
  // logged so they are not lost.
  try {
    QByteArray bytes = ReadCommInput(CommInputCount());
    if (bytes.isEmpty()) return;
    WriteLog(Direction::Received, bytes);
    ShowReceived(bytes);
    ShowHex(bytes);
  } catch (const std::exception& error) {
    qCWarning(lcTerminal) << "receive:" << error.what();
  }
}

void TerminalWindow::ShowReceived(const QByteArray& bytes) {
  std::string text = ReceivedText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  // The document keeps a line break as one character; the rule's pairs
  // become just that.
  QString shown = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  shown.replace("\r\n", "\n");
  QTextCursor caret = m_trmText->textCursor();
  caret.insertText(shown);
  if (static_cast<std::size_t>(TextLength(m_trmText)) > kTerminalTextCap) {
    m_trmText->clear();
    caret = m_trmText->textCursor();
    caret.insertText(shown);
  }
  m_trmText->setTextCursor(caret);
  m_trmText->ensureCursorVisible();
}

void TerminalWindow::ShowHex(const QByteArray& bytes) {
  std::string hex = HexText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), m_hexColumn);
  QTextCursor end(m_trmHex->document());
  end.movePosition(QTextCursor::End);
  end.insertText(QString::fromLatin1(hex.data(), static_cast<qsizetype>(hex.size())));
  if (static_cast<std::size_t>(m_trmHex->document()->characterCount()) > kTerminalTextCap) {
    // Restarts like the terminal text, with this arrival on a line of its own.
    m_trmHex->clear();
    m_hexColumn = 0;
    hex = HexText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), m_hexColumn);
    QTextCursor(m_trmHex->document()).insertText(QString::fromLatin1(hex.data(), static_cast<qsizetype>(hex.size())));
  }
  if (m_trmHex->isVisible()) m_trmHex->moveCursor(QTextCursor::End);
}

void TerminalWindow::SendToPort(const QByteArray& bytes) {
  if (!m_port.isOpen()) return;
  m_port.write(bytes);
  WriteLog(Direction::Sent, bytes);
}

bool TerminalWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched != m_trmText || event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  // Errors while typing are ignored.
  try {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Backspace) return true;
    QByteArray typed = key->text().toLatin1();
    if (typed.isEmpty()) return false;  // caret keys move the caret
    for (char c : typed) {
      if (c == '\b') continue;
      SendToPort(QByteArray(1, c));
    }
  } catch (const std::exception& error) {
    qCWarning(lcTerminal) << "typing:" << error.what();
  }
  return true;
}

void TerminalWindow::OnSendCommand() {
  if (!m_port.isOpen()) return;
  SendToPort(m_txtSendData->text().toLatin1() + '\r');
  m_txtSendData->clear();
}

void TerminalWindow::OnPortError(QSerialPort::SerialPortError error) {
  if (error != QSerialPort::ResourceError) return;
  // A USB adapter pulled out: nothing more goes through this port, and the
  // installer must know why typing has stopped reaching the device.
  QString name = PortName(m_portNumber, m_device);
  QString why = m_port.errorString();
  m_port.close();
  if (m_log.isOpen()) {
    WriteLog(Direction::Note, ("port lost: " + why).toLatin1());
  }
  ShowMessage(this, BoxIcon::Critical, windowTitle(),
              "The serial port " + name + " was lost: " + why +
                  "\nNothing more can be sent or received. Start the terminal again to open a port.");
}

bool TerminalWindow::StartLog(const QString& path) {
  StopLog();
  m_log.setFileName(path);
  if (!m_log.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
    QString why = m_log.errorString();
    ShowMessage(this, BoxIcon::Critical, windowTitle(), "The session log " + path + " cannot be opened: " + why);
    const QSignalBlocker blocker(m_chkLog);
    m_chkLog->setChecked(false);
    return false;
  }
  {
    const QSignalBlocker blocker(m_chkLog);
    m_chkLog->setChecked(true);
  }
  m_lblLogFile->setText(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
  QString port = m_port.isOpen() ? PortName(m_portNumber, m_device) + " " + SettingsText() : "no port";
  WriteLog(Direction::Note, ("log started, " + port).toLatin1());
  return true;
}

void TerminalWindow::StopLog() {
  if (!m_log.isOpen()) return;
  m_log.close();
  m_lblLogFile->clear();
  const QSignalBlocker blocker(m_chkLog);
  m_chkLog->setChecked(false);
}

void TerminalWindow::OnLogToggled(bool on) {
  if (!on) {
    StopLog();
    return;
  }
  QString path = m_chooseLogFile ? m_chooseLogFile(this) : QString();
  if (path.isEmpty()) {
    const QSignalBlocker blocker(m_chkLog);
    m_chkLog->setChecked(false);
    return;
  }
  StartLog(path);
}

void TerminalWindow::WriteLog(Direction direction, const QByteArray& bytes) {
  if (!m_log.isOpen()) return;
  std::string stamp = QDateTime::currentDateTime().toString(Qt::ISODateWithMs).toStdString();
  std::string line = LogLine(stamp, direction, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  if (m_log.write(line.data(), static_cast<qint64>(line.size())) != static_cast<qint64>(line.size())) {
    QString path = m_log.fileName();
    QString why = m_log.errorString();
    StopLog();
    ShowMessage(this, BoxIcon::Critical, windowTitle(),
                "The session log " + path + " could not be written: " + why + "\nLogging has stopped.");
  }
}

void TerminalWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Place();
}

void TerminalWindow::Place() {
  // Errors while resizing are ignored; placing controls raises none.
  TerminalLayout layout = PlaceTerminal(PixelsToTwips(width()), PixelsToTwips(height()), m_chkHexView->isChecked());
  m_trmText->setGeometry(Pixels(layout.trmText));
  m_trmHex->setGeometry(Pixels(layout.trmHex));
  m_txtSendData->setGeometry(Pixels(layout.txtSendData));
  m_cmdSend->setGeometry(Pixels(layout.cmdSend));
  m_cmdExit->setGeometry(Pixels(layout.cmdExit));
  m_chkHexView->setGeometry(Pixels(layout.chkHexView));
  m_chkLog->setGeometry(Pixels(layout.chkLog));
  m_lblLogFile->setGeometry(Pixels(layout.lblLogFile));
}

}  // namespace dorvane::terminal
