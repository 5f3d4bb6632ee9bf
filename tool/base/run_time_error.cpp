#include "base/run_time_error.h"

#include <exception>

#include "base/localised_text.h"

namespace dorvane {

const char* const kRegionalSettingsHint =
    "This computer appears to be set for another regional and language option.  Please choose "
    "the appropriate language from the top of the main screen.\r\n\r\n"
    "Votre ordinateur semble être fixée pour une option de région et langue différentes que vous "
    "avez choisi.  S'il vous plaît choisissez la langue appropriée à partir du haut de l'écran "
    "principal.  ";

RunTimeError CurrentRunTimeError() {
  constexpr int kInvalidProcedureCall = 5;
  try {
    throw;
  } catch (const RunTimeError& error) {
    return error;
  } catch (const std::exception& error) {
    return RunTimeError(kInvalidProcedureCall, error.what());
  } catch (...) {
    return RunTimeError(kInvalidProcedureCall, "Unknown error");
  }
}

std::string ErrorReportText(const std::string& label, int number, const std::string& description) {
  return "An error has occured.\r\n\tProcedure: " + label + "\r\n\tError Number: " +
         std::to_string(number) + "\r\n\tError Description: " + description;
}

std::string RunErrorDescription(int number, const std::string& description, std::uint32_t systemLocaleId) {
  if (number == kTypeMismatch && systemLocaleId != kUnitedStatesLocale) return kRegionalSettingsHint;
  return description;
}

}  // namespace dorvane
