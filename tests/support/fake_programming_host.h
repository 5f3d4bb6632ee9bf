#pragma once
// The window a programming window reports to, without the main window: it
// shows an adapter address and keeps what the programming window gave it.

#include <QString>

#include "widgets/programming_host.h"

namespace dorvane::testing {

class FakeProgrammingHost : public ProgrammingHost {
 public:
  QString FirstAdapterAddress() const override { return adapterAddress; }
  void SetPingBoxText(const QString& address) override { pingBox = address; }
  void EnableHostWindow() override { enabled = true; }

  QString adapterAddress;
  QString pingBox;
  bool enabled = false;
};

}  // namespace dorvane::testing
