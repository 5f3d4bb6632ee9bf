#include "widgets/settings_frame.h"

namespace dorvane {

SettingsFrame::SettingsFrame(const QString& title, QWidget* parent) : QGroupBox(title, parent) { hide(); }

void SettingsFrame::Open() { show(); }

void SettingsFrame::Leave(bool saved) {
  hide();
  emit Closed();
  if (!saved) return;
  m_saved = true;
  emit Saved();
}

}  // namespace dorvane
