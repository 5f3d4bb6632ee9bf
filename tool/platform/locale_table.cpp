#include "platform/locale_table.h"

#include <QLocale>
#include <QString>
#include <array>
#include <utility>

#include "base/localised_text.h"
#include "base/text_trim.h"

namespace dorvane::platform {

namespace {

// The identifiers the language choice and the regional-settings hint look
// at; every other locale behaves alike.
constexpr std::array<std::pair<std::string_view, std::uint32_t>, 7> kLocaleIds{{
    {"en_US", kUnitedStatesLocale},
    {"fr_FR", 1036},
    {"fr_BE", 2060},
    {"fr_CA", 3084},
    {"fr_CH", 4108},
    {"fr_LU", 5132},
    {"fr_MC", 6156},
}};

std::uint32_t LocaleIdOf(const QString& name) {
  for (const auto& [posixName, id] : kLocaleIds) {
    if (name == QLatin1String(posixName.data(), static_cast<qsizetype>(posixName.size()))) return id;
  }
  return kLocaleCustomUnspecified;
}

// Copies the quoted text that starts at i, quotes included, both notations
// quote alike; returns where the format goes on.
std::size_t CopyQuoted(const std::string& format, std::size_t i, std::string& pattern) {
  std::size_t end = format.find('\'', i + 1);
  end = end == std::string::npos ? format.size() : end + 1;
  pattern += format.substr(i, end - i);
  return end;
}

// Qt's short formats write the year in two digits; the Windows short date
// writes it in full.
std::string WindowsShortDate(const QString& qtFormat) {
  std::string format = qtFormat.toStdString();
  std::string pattern;
  for (std::size_t i = 0; i < format.size();) {
    if (format[i] == '\'') {
      i = CopyQuoted(format, i, pattern);
      continue;
    }
    std::size_t end = format.find_first_not_of(format[i], i);
    std::size_t run = (end == std::string::npos ? format.size() : end) - i;
    pattern += format[i] == 'y' && run == 2 ? std::string("yyyy") : format.substr(i, run);
    i += run;
  }
  return pattern;
}

// Qt's long time format carries the time zone, which the Windows time
// pattern does not, and writes AM/PM as "AP"; Windows writes "tt".
std::string WindowsTime(const QString& qtFormat) {
  std::string format = qtFormat.toStdString();
  std::string pattern;
  for (std::size_t i = 0; i < format.size();) {
    char c = format[i];
    if (c == '\'') {
      i = CopyQuoted(format, i, pattern);
    } else if (c == 't') {
      while (i < format.size() && format[i] == 't') ++i;
      // "(t)" and "[t]" go with their brackets, and the blank before them too.
      if (!pattern.empty() && (pattern.back() == '(' || pattern.back() == '[')) {
        pattern.pop_back();
        if (i < format.size() && (format[i] == ')' || format[i] == ']')) ++i;
      }
      pattern = std::string(TrimBlanks(pattern));
    } else if (c == 'A' || c == 'a') {
      i += i + 1 < format.size() && (format[i + 1] == 'P' || format[i + 1] == 'p') ? 2 : 1;
      pattern += "tt";
    } else {
      pattern += c;
      ++i;
    }
  }
  return std::string(TrimBlanks(pattern));
}

}  // namespace

LocaleFacts PosixLocaleFacts(std::string_view value) {
  // "fr_CA.UTF-8@euro" -> "fr" and "CA"; "fr-CA" and "fr_ca" are accepted too.
  QString name = QString::fromStdString(std::string(value.substr(0, value.find_first_of(".@")))).replace('-', '_');
  QString language = name.section('_', 0, 0).toLower();
  QString territoryCode = name.section('_', 1, 1).toUpper();
  QLocale locale(territoryCode.isEmpty() ? language : language + '_' + territoryCode);
  if (locale.language() == QLocale::C) {
    locale = QLocale(QLocale::English, QLocale::UnitedStates);
    territoryCode.clear();
  }
  // The country the value names, also where Qt has no data for the pair and
  // took its language's main country; without one, the language's.
  QLocale::Territory territory = QLocale::codeToTerritory(territoryCode);
  QString key = language + '_' + territoryCode;
  if (territory == QLocale::AnyTerritory) {
    territory = locale.territory();
    key = locale.name();
  }

  LocaleFacts facts;
  facts.localeId = LocaleIdOf(key);
  facts.country = QLocale::territoryToString(territory).toStdString();
  facts.shortDate = WindowsShortDate(locale.dateFormat(QLocale::ShortFormat));
  facts.timeFormat = WindowsTime(locale.timeFormat(QLocale::LongFormat));
  return facts;
}

std::string EffectivePosixLocale(const char* lcAll, const char* lcMessages, const char* lang) {
  for (const char* value : {lcAll, lcMessages, lang}) {
    if (value && *value) return value;
  }
  return {};
}

}  // namespace dorvane::platform
