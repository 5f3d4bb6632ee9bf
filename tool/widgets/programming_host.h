#pragma once
// What a programming window needs from the window that opened it. The
// programming windows know this and nothing else of the main window, so
// they build and test without it.

#include <QString>

namespace dorvane {

class ProgrammingHost {
 public:
  // The first address of the host's first network adapter, as shown; a
  // window picks its link from it.
  virtual QString FirstAdapterAddress() const = 0;

  // The address to ping next: the programmed module's after a good run,
  // empty after a run-time error.
  virtual void SetPingBoxText(const QString& address) = 0;

  // The programming window has gone: the host takes input again.
  virtual void EnableHostWindow() = 0;

 protected:
  ~ProgrammingHost() = default;
};

}  // namespace dorvane
