#include "check_program.h"

#include <cstdio>
#include <exception>
#include <string_view>

#include "platform/system_failure_log.h"

namespace dorvane::platform {

// The tool writes these to its Qt log; here they go where the test's
// output is read.
void LogSystemFailure(const std::string& text) { std::fprintf(stderr, "platform: %s\n", text.c_str()); }

}  // namespace dorvane::platform

namespace dorvane::testing {

namespace {

CheckOptions g_options;

}  // namespace

void Check::Expect(bool condition, const std::string& what) {
  if (!condition) m_failures.push_back(what);
}

void Check::Skip(const std::string& reason) { throw Skipped{reason}; }

const CheckOptions& Options() { return g_options; }

}  // namespace dorvane::testing

int main(int argc, char** argv) {
  using namespace dorvane::testing;
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::string_view(argv[i]) == "--reference") g_options.referencePath = argv[++i];
  }
  std::vector<CheckCase> cases;
  for (auto subject : {CoreCases, NetworkCases, SystemCases, RegistryCases}) {
    for (CheckCase& c : subject()) cases.push_back(std::move(c));
  }
  int passed = 0;
  int failed = 0;
  int skipped = 0;
  for (const CheckCase& c : cases) {
    Check check;
    try {
      c.run(check);
    } catch (const Check::Skipped& skip) {
      std::printf("SKIP %s: %s\n", c.name, skip.reason.c_str());
      ++skipped;
      continue;
    } catch (const std::exception& error) {
      check.Expect(false, std::string("exception: ") + error.what());
    }
    if (check.Failures().empty()) {
      std::printf("PASS %s\n", c.name);
      ++passed;
    } else {
      for (const std::string& failure : check.Failures()) std::printf("FAIL %s: %s\n", c.name, failure.c_str());
      ++failed;
    }
    for (const std::string& note : check.Notes()) std::printf("     %s\n", note.c_str());
  }
  std::printf("windows: %d passed, %d failed, %d skipped\n", passed, failed, skipped);
  std::fflush(stdout);
  return failed == 0 ? 0 : 1;
}
