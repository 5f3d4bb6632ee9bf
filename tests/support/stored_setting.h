#pragma once
// Puts a timing value into the per-user settings store the runs read (the
// test's private HOME), or removes it for a null value.

#include <QSettings>
#include <QString>

#include "base/timing_settings.h"

namespace dorvane::testing {

inline void StoreSetting(const QString& name, const QString& value) {
  QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kSettingsApplication, kSettingsSection);
  if (value.isNull()) {
    settings.remove(name);
  } else {
    settings.setValue(name, value);
  }
  settings.sync();
}

}  // namespace dorvane::testing
