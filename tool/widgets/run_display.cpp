#include "widgets/run_display.h"

#include <QEvent>
#include <QLabel>
#include <QPalette>
#include <QWidget>

#include "dialogue/dialogue_runner.h"

namespace dorvane {

RunProgressBar::RunProgressBar(QLabel* track, QLabel* fill) : QObject(track), m_track(track), m_fill(fill) {
  m_fill->setParent(m_track);
  // The fill repeats the track's caption in reverse colours, so the caption
  // reads on both sides of the fill's edge.
  m_fill->setAutoFillBackground(true);
  QPalette palette = m_fill->palette();
  palette.setColor(QPalette::Window, palette.color(QPalette::Highlight));
  palette.setColor(QPalette::WindowText, palette.color(QPalette::HighlightedText));
  m_fill->setPalette(palette);
  m_fill->setFrameShape(QFrame::NoFrame);
  m_fill->setAlignment(m_track->alignment());
  m_fill->setIndent(m_track->indent());
  m_track->installEventFilter(this);
  m_track->hide();
  m_fill->hide();
}

void RunProgressBar::Apply(const ProgressStep& step) {
  m_fillUnits = ProgressWidthAfter(step, m_fillUnits, kTrackUnits);
  if (step.kind == ProgressKind::Show) {
    m_track->show();
    m_fill->show();
  } else if (step.kind == ProgressKind::Hide) {
    m_track->hide();
    m_fill->hide();
  }
  PlaceFill();
}

bool RunProgressBar::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_track && (event->type() == QEvent::Resize || event->type() == QEvent::Show)) PlaceFill();
  return false;
}

void RunProgressBar::PlaceFill() {
  QRect inside = m_track->contentsRect();
  int pixels = static_cast<int>(static_cast<long long>(inside.width()) * m_fillUnits / kTrackUnits);
  m_fill->setText(m_track->text());
  m_fill->setGeometry(inside.x(), inside.y(), pixels, inside.height());
}

RunDisplay::RunDisplay(QWidget* window, DialogueRunner& runner, Labels labels)
    : QObject(window), m_labels(labels), m_progress(new RunProgressBar(labels.request, labels.progress)) {
  connect(&runner, &DialogueRunner::StatusChanged, this, [this](const QString& text) {
    // A notice belongs to the wait it was given in: the wake-up loop's
    // alternating caption keeps it, the next step of the run drops it.
    if (text.trimmed() != m_status.trimmed()) m_notice.clear();
    m_status = text;
    ShowStatus();
  });
  connect(&runner, &DialogueRunner::NoticeGiven, this, [this](const QString& text) {
    m_notice = text;
    ShowStatus();
  });
  connect(&runner, &DialogueRunner::ChipVersionChanged, this,
          [this](const QString& label) { m_labels.chipVersion->setText(label); });
  connect(&runner, &DialogueRunner::ProgressStepped, this, [this](int kind, int divisor) {
    m_progress->Apply({static_cast<ProgressKind>(kind), divisor});
  });
  // The run waits on its own thread for the answer; the box is modal here.
  connect(&runner, &DialogueRunner::QuestionAsked, this,
          [window, &runner](const QString& title, const QString& text, int icon, int buttons) {
            runner.AnswerQuestion(AskInstaller(window, title, text, static_cast<Question::Icon>(icon),
                                               static_cast<Question::Buttons>(buttons)));
          });
}

void RunDisplay::ShowStatus() { m_labels.info->setText(m_notice.isEmpty() ? m_status : m_status + '\n' + m_notice); }

void RunDisplay::End() {
  m_progress->Apply({ProgressKind::Hide});
  m_status.clear();
  m_notice.clear();
  m_labels.info->clear();
}

BoxIcon BoxIconFor(Question::Icon icon) {
  switch (icon) {
    case Question::Icon::Question: return BoxIcon::Question;
    case Question::Icon::Critical: return BoxIcon::Critical;
    case Question::Icon::Exclamation: return BoxIcon::Exclamation;
    case Question::Icon::Information: break;
  }
  return BoxIcon::Information;
}

void ShowRunMessage(QWidget* owner, Question::Icon icon, const std::string& title, const std::string& text) {
  ShowMessage(owner, BoxIconFor(icon), QString::fromStdString(title), QString::fromStdString(text));
}

Question::Answer AskInstaller(QWidget* owner, const QString& title, const QString& text, Question::Icon icon,
                              Question::Buttons buttons) {
  MessageBoxRequest request{BoxIconFor(icon), title, text, QMessageBox::Ok, QMessageBox::Ok};
  if (buttons == Question::Buttons::YesNo || buttons == Question::Buttons::YesNoDefaultNo) {
    request.buttons = QMessageBox::Yes | QMessageBox::No;
    request.defaultButton = buttons == Question::Buttons::YesNo ? QMessageBox::Yes : QMessageBox::No;
  } else if (buttons == Question::Buttons::OkCancel) {
    request.buttons = QMessageBox::Ok | QMessageBox::Cancel;
  }
  switch (ShowMessageBox(owner, request)) {
    case QMessageBox::Yes: return Question::Answer::Yes;
    case QMessageBox::No: return Question::Answer::No;
    case QMessageBox::Cancel: return Question::Answer::Cancel;
    default: break;
  }
  return Question::Answer::Ok;
}

}  // namespace dorvane
