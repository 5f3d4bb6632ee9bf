#include "platform/locale_table.h"

#include <array>
#include <cctype>

namespace dorvane::platform {

namespace {

// The first entry of each language is its fallback for unlisted countries.
constexpr std::array<LocaleEntry, 52> kLocales{{
    {"en_US", 1033, "United States", "M/d/yyyy", "h:mm:ss tt"},
    {"en_GB", 2057, "United Kingdom", "dd/MM/yyyy", "HH:mm:ss"},
    {"en_AU", 3081, "Australia", "d/MM/yyyy", "h:mm:ss tt"},
    {"en_CA", 4105, "Canada", "dd/MM/yyyy", "h:mm:ss tt"},
    {"en_NZ", 5129, "New Zealand", "d/MM/yyyy", "h:mm:ss tt"},
    {"en_IE", 6153, "Ireland", "dd/MM/yyyy", "HH:mm:ss"},
    {"en_ZA", 7177, "South Africa", "yyyy/MM/dd", "hh:mm:ss tt"},
    {"en_IN", 16393, "India", "dd-MM-yyyy", "HH:mm:ss"},
    {"fr_FR", 1036, "France", "dd/MM/yyyy", "HH:mm:ss"},
    {"fr_BE", 2060, "Belgium", "d/MM/yyyy", "H:mm:ss"},
    {"fr_CA", 3084, "Canada", "yyyy-MM-dd", "HH:mm:ss"},
    {"fr_CH", 4108, "Switzerland", "dd.MM.yyyy", "HH:mm:ss"},
    {"fr_LU", 5132, "Luxembourg", "dd/MM/yyyy", "HH:mm:ss"},
    {"fr_MC", 6156, "Principality of Monaco", "dd/MM/yyyy", "HH:mm:ss"},
    {"es_ES", 3082, "Spain", "dd/MM/yyyy", "H:mm:ss"},
    {"es_MX", 2058, "Mexico", "dd/MM/yyyy", "hh:mm:ss tt"},
    {"es_GT", 4106, "Guatemala", "dd/MM/yyyy", "hh:mm:ss tt"},
    {"es_CR", 5130, "Costa Rica", "dd/MM/yyyy", "hh:mm:ss tt"},
    {"es_PA", 6154, "Panama", "MM/dd/yyyy", "hh:mm:ss tt"},
    {"es_DO", 7178, "Dominican Republic", "dd/MM/yyyy", "hh:mm:ss tt"},
    {"es_VE", 8202, "Venezuela", "dd/MM/yyyy", "hh:mm:ss tt"},
    {"es_CO", 9226, "Colombia", "dd/MM/yyyy", "hh:mm:ss tt"},
    {"es_PE", 10250, "Peru", "dd/MM/yyyy", "hh:mm:ss tt"},
    {"es_AR", 11274, "Argentina", "dd/MM/yyyy", "hh:mm:ss tt"},
    {"es_EC", 12298, "Ecuador", "dd/MM/yyyy", "H:mm:ss"},
    {"es_CL", 13322, "Chile", "dd-MM-yyyy", "H:mm:ss"},
    {"es_UY", 14346, "Uruguay", "dd/MM/yyyy", "hh:mm:ss tt"},
    {"es_PY", 15370, "Paraguay", "dd/MM/yyyy", "hh:mm:ss tt"},
    {"es_BO", 16394, "Bolivia", "dd/MM/yyyy", "hh:mm:ss tt"},
    {"es_US", 21514, "United States", "M/d/yyyy", "h:mm:ss tt"},
    {"de_DE", 1031, "Germany", "dd.MM.yyyy", "HH:mm:ss"},
    {"de_CH", 2055, "Switzerland", "dd.MM.yyyy", "HH:mm:ss"},
    {"de_AT", 3079, "Austria", "dd.MM.yyyy", "HH:mm:ss"},
    {"it_IT", 1040, "Italy", "dd/MM/yyyy", "HH:mm:ss"},
    {"pt_BR", 1046, "Brazil", "dd/MM/yyyy", "HH:mm:ss"},
    {"pt_PT", 2070, "Portugal", "dd/MM/yyyy", "HH:mm:ss"},
    {"nl_NL", 1043, "Netherlands", "d-M-yyyy", "H:mm:ss"},
    {"nl_BE", 2067, "Belgium", "d/MM/yyyy", "H:mm:ss"},
    {"sv_SE", 1053, "Sweden", "yyyy-MM-dd", "HH:mm:ss"},
    {"da_DK", 1030, "Denmark", "dd-MM-yyyy", "HH:mm:ss"},
    {"nb_NO", 1044, "Norway", "dd.MM.yyyy", "HH:mm:ss"},
    {"fi_FI", 1035, "Finland", "d.M.yyyy", "H:mm:ss"},
    {"pl_PL", 1045, "Poland", "yyyy-MM-dd", "HH:mm:ss"},
    {"cs_CZ", 1029, "Czech Republic", "dd.MM.yyyy", "H:mm:ss"},
    {"hu_HU", 1038, "Hungary", "yyyy.MM.dd.", "H:mm:ss"},
    {"ru_RU", 1049, "Russia", "dd.MM.yyyy", "H:mm:ss"},
    {"tr_TR", 1055, "Turkey", "dd.MM.yyyy", "HH:mm:ss"},
    {"el_GR", 1032, "Greece", "d/M/yyyy", "h:mm:ss tt"},
    {"ja_JP", 1041, "Japan", "yyyy/MM/dd", "H:mm:ss"},
    {"zh_CN", 2052, "People's Republic of China", "yyyy/M/d", "H:mm:ss"},
    {"zh_TW", 1028, "Taiwan", "yyyy/M/d", "tt hh:mm:ss"},
    {"ko_KR", 1042, "Korea", "yyyy-MM-dd", "tt h:mm:ss"},
}};

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

}  // namespace

const LocaleEntry& LookupPosixLocale(std::string_view value) {
  // "fr_CA.UTF-8@euro" -> "fr_CA"; "fr-CA" is accepted too.
  std::size_t cut = value.find_first_of(".@");
  std::string name(value.substr(0, cut));
  for (char& c : name) {
    if (c == '-') c = '_';
  }
  for (const LocaleEntry& entry : kLocales) {
    if (SameText(entry.posixName, name)) return entry;
  }
  std::string_view language = std::string_view(name).substr(0, name.find('_'));
  for (const LocaleEntry& entry : kLocales) {
    if (SameText(entry.posixName.substr(0, 2), language) && language.size() == 2) return entry;
  }
  return kLocales.front();
}

std::string EffectivePosixLocale(const char* lcAll, const char* lcMessages, const char* lang) {
  for (const char* value : {lcAll, lcMessages, lang}) {
    if (value && *value) return value;
  }
  return {};
}

}  // namespace dorvane::platform
