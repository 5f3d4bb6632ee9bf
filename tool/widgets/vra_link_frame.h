#pragma once
// fraTransitRelay: the VRA-Link settings, the remote host a board's channel
// connects to. Placed on a form as a promoted QGroupBox; it builds its own
// controls by their documented names (txtRemoteIPAddress, txtRemotePort,
// cmdGlobalSave, cmdGlobalCancel and their labels).

#include <QString>

#include "widgets/settings_frame.h"

class QLineEdit;

namespace dorvane {

class VraLinkFrame : public SettingsFrame {
  Q_OBJECT

 public:
  explicit VraLinkFrame(QWidget* parent = nullptr);

  // As the boxes hold them: after a Save, three digits per address field.
  QString RemoteAddress() const;
  QString RemotePortText() const;

 private:
  void OnSave();
  void OnSaveDefault();

  QLineEdit* m_remoteAddress;
  QLineEdit* m_remotePort;
};

}  // namespace dorvane
