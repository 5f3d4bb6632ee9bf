#include "platform/settings_store.h"

#include <QSettings>

#include "base/timing_settings.h"

namespace dorvane::platform {

std::optional<std::string> ReadSetting(std::string_view name) {
  // A fresh QSettings at every read: a value the installer edits by hand
  // takes effect at the next pause.
  QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kSettingsApplication, kSettingsSection);
  QVariant value = settings.value(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
  if (!value.isValid()) return std::nullopt;
  // The INI format reads an unquoted "0,5" as a list of two texts; the
  // installer meant one number.
  if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(',').toStdString();
  return value.toString().toStdString();
}

std::string SettingsLocation() {
  QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kSettingsApplication, kSettingsSection);
  return settings.fileName().toStdString();
}

}  // namespace dorvane::platform
