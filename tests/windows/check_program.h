#pragma once
// The Windows check program's own small test runner: no Qt exists for
// MinGW here, so QtTest cannot run on the Windows side. Each case reports
// PASS, FAIL with what it found, or SKIP with why; the last line counts
// them in the form CI reads ("windows: N passed, N failed, N skipped").

#include <functional>
#include <string>
#include <vector>

namespace dorvane::testing {

class Check {
 public:
  // Records a failure of the running case; the case goes on, so one run
  // shows every fault.
  void Expect(bool condition, const std::string& what);
  // What the case saw, shown under its result: the values a reader of the
  // run judges as plausible or not.
  void Note(const std::string& text) { m_notes.push_back(text); }
  // Ends the case as skipped (nothing after it in the case runs).
  [[noreturn]] void Skip(const std::string& reason);

  struct Skipped {
    std::string reason;
  };

  const std::vector<std::string>& Failures() const { return m_failures; }
  const std::vector<std::string>& Notes() const { return m_notes; }

 private:
  std::vector<std::string> m_failures;
  std::vector<std::string> m_notes;
};

struct CheckCase {
  const char* name;
  std::function<void(Check&)> run;
};

// The cases of each subject, in the order they run.
std::vector<CheckCase> CoreCases();
std::vector<CheckCase> NetworkCases();
std::vector<CheckCase> SystemCases();
std::vector<CheckCase> RegistryCases();

// The program's arguments and environment, read once in main.
struct CheckOptions {
  std::string referencePath;  // the host's core lines (--reference)
};
const CheckOptions& Options();

}  // namespace dorvane::testing
