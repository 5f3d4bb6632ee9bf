#include "platform/settings_store.h"

#include <QSettings>

#include "base/timing_settings.h"
#ifdef _WIN32
#include "platform/win/registry_settings.h"
#endif

namespace dorvane::platform {

std::optional<std::string> ReadSetting(std::string_view name) {
#ifdef _WIN32
  // The registry read is plain Win32 (registry_settings_win.cpp), so the
  // MinGW check runs this very read under Wine.
  return ReadUserRegistryText(UserSettingsKey(kSettingsApplication, kSettingsSection), name);
#else
  // A fresh QSettings at every read: a value the installer edits by hand
  // takes effect at the next pause.
  QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kSettingsApplication, kSettingsSection);
  QVariant value = settings.value(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
  if (!value.isValid()) return std::nullopt;
  // The INI format reads an unquoted "0,5" as a list of two texts; the
  // installer meant one number.
  if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(',').toStdString();
  return value.toString().toStdString();
#endif
}

std::string SettingsLocation() {
  QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kSettingsApplication, kSettingsSection);
  return settings.fileName().toStdString();
}

}  // namespace dorvane::platform
