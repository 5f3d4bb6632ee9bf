#pragma once
// A settings frame of a programming window (VRA-Link, reverse network): it
// opens over the window's fields from its button, is left by Save when its
// fields pass their check or by Save Default at any time, and remembers
// whether its settings were saved. Save Default resets the fields but leaves
// an earlier Save in force.

#include <QGroupBox>

namespace dorvane {

class SettingsFrame : public QGroupBox {
  Q_OBJECT

 public:
  // Hidden until Open.
  SettingsFrame(const QString& title, QWidget* parent);

  virtual void Open();

  // The settings were accepted with Save since the window opened (or since
  // the last Forget).
  bool IsSaved() const { return m_saved; }
  // Saving another frame's settings, or the installer's wish, ends them.
  void Forget() { m_saved = false; }

 signals:
  // The frame hid after Save or Save Default.
  void Closed();
  // The frame's Save accepted its fields.
  void Saved();

 protected:
  // Hides the frame; saved is Save's success.
  void Leave(bool saved);

 private:
  bool m_saved = false;
};

}  // namespace dorvane
