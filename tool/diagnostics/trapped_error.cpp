#include "diagnostics/trapped_error.h"

#include <exception>

#include "widgets/error_report.h"
#include "base/run_time_error.h"

namespace dorvane {

namespace {

constexpr int kInvalidProcedureCall = 5;

}  // namespace

void ReportTrappedError(const QString& label) {
  try {
    throw;
  } catch (const RunTimeError& error) {
    ShowErrorReport(label, error);
  } catch (const std::exception& error) {
    ShowErrorReport(label, kInvalidProcedureCall, QString::fromUtf8(error.what()));
  } catch (...) {
    ShowErrorReport(label, kInvalidProcedureCall, "Unknown error");
  }
}

}  // namespace dorvane
