#include "widgets/run_progress_bar.h"

#include <QEvent>
#include <QLabel>
#include <QPalette>

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

}  // namespace dorvane
