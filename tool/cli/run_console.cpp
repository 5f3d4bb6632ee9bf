#include "cli/run_console.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>

#include "cli/subcommands.h"
#include "dialogue/dialogue_runner.h"
#include "dialogue/progress.h"
#include "platform/system.h"

namespace dorvane::cli {

namespace {

constexpr int kTrackUnits = 6000;
constexpr int kBarColumns = 30;

DialogueRunner* g_runner = nullptr;
std::atomic<int> g_interrupts{0};
bool g_standardInputTaken = false;

// Where the installer types the answers.
class AnswerSource {
 public:
  AnswerSource()
      : m_standardInput(platform::StandardInputIsTerminal()),
        m_terminal(!m_standardInput && g_standardInputTaken ? platform::OpenTerminalInput() : nullptr) {}
  ~AnswerSource() {
    if (m_terminal) std::fclose(m_terminal);
  }
  AnswerSource(const AnswerSource&) = delete;
  AnswerSource& operator=(const AnswerSource&) = delete;

  bool Open() const { return m_standardInput || m_terminal; }

  // A line without its line end; nothing when the input has ended.
  std::optional<std::string> ReadLine() {
    std::string line;
    if (m_standardInput) {
      if (!std::getline(std::cin, line)) return std::nullopt;
      return line;
    }
    char buffer[256];
    bool read = false;
    while (std::fgets(buffer, sizeof buffer, m_terminal)) {
      read = true;
      line += buffer;
      if (line.back() == '\n') break;
    }
    if (!read) return std::nullopt;
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    return line;
  }

 private:
  bool m_standardInput;
  std::FILE* m_terminal;
};

// Ctrl+C is the window's ESC: the wake-up loop ends at the end of its
// cycle. A second Ctrl+C ends the program at once.
extern "C" void OnInterrupt(int) {
  if (++g_interrupts > 1) platform::ExitImmediately(130);
  if (g_runner) g_runner->PressEscape();
}

}  // namespace

RunConsole::RunConsole(DialogueRunner& runner, bool answerYes, QObject* parent)
    : QObject(parent), m_runner(runner), m_answerYes(answerYes), m_terminal(platform::StandardOutputIsTerminal()) {
  connect(&runner, &DialogueRunner::StatusChanged, this, &RunConsole::OnStatus);
  connect(&runner, &DialogueRunner::NoticeGiven, this, &RunConsole::OnNotice);
  connect(&runner, &DialogueRunner::ProgressStepped, this, &RunConsole::OnProgress);
  connect(&runner, &DialogueRunner::QuestionAsked, this, &RunConsole::OnQuestion);
  g_runner = &runner;
  g_interrupts = 0;
  std::signal(SIGINT, OnInterrupt);
}

RunConsole::~RunConsole() {
  std::signal(SIGINT, SIG_DFL);
  g_runner = nullptr;
}

void RunConsole::OnStatus(const QString& text) {
  if (text == m_status || text.trimmed() == m_status.trimmed()) {
    m_status = text;
    return;  // the wake-up loop's alternating caption is one status
  }
  m_status = text;
  if (text.isEmpty()) return;
  if (m_terminal) std::cout << "\r\033[K";
  std::cout << text.toStdString() << std::endl;
  if (m_terminal) DrawBar();
}

void RunConsole::OnNotice(const QString& text) {
  if (m_terminal) std::cout << "\r\033[K" << std::flush;
  std::cerr << text.toStdString() << std::endl;
  if (m_terminal) DrawBar();
}

void RunConsole::OnProgress(int kind, int divisor) {
  m_width = ProgressWidthAfter({static_cast<ProgressKind>(kind), divisor}, m_width, kTrackUnits);
  m_barShown = static_cast<ProgressKind>(kind) != ProgressKind::Hide;
  if (m_terminal) DrawBar();
}

void RunConsole::DrawBar() {
  int filled = m_barShown ? m_width * kBarColumns / kTrackUnits : 0;
  std::string bar = "[" + std::string(static_cast<std::size_t>(filled), '#') +
                    std::string(static_cast<std::size_t>(kBarColumns - filled), '.') + "] ";
  std::cout << "\r\033[K" << bar << m_width * 100 / kTrackUnits << " %" << std::flush;
}

void NoteStandardInputTaken() { g_standardInputTaken = true; }

Question::Answer AskOnConsole(const QString& title, const QString& text, Question::Buttons buttons, bool answerYes) {
  std::cout << title.toStdString() << ": " << QString(text).replace("\r\n", "\n").toStdString() << std::endl;
  if (buttons == Question::Buttons::Ok) {
    // An instruction (power-cycle the controller): the installer says when
    // it is done, as the box's OK does; --yes and scripts go on at once.
    if (!answerYes) {
      AnswerSource source;
      if (source.Open()) {
        std::cout << "Press Enter to continue." << std::flush;
        source.ReadLine();
      }
    }
    return Question::Answer::Ok;
  }
  const bool okCancel = buttons == Question::Buttons::OkCancel;
  if (answerYes) {
    qCInfo(lcCli) << "answered yes (--yes):" << title;
    return okCancel ? Question::Answer::Ok : Question::Answer::Yes;
  }
  bool yes = false;
  AnswerSource source;
  if (!source.Open()) {
    std::cout << "No terminal can answer: taken as no (--yes answers yes)." << std::endl;
  } else {
    std::cout << "[y/N] " << std::flush;
    std::optional<std::string> reply = source.ReadLine();
    if (!reply) qCInfo(lcCli) << "no answer on the terminal, taken as no:" << title;
    yes = reply && !reply->empty() && ((*reply)[0] == 'y' || (*reply)[0] == 'Y');
  }
  if (okCancel) return yes ? Question::Answer::Ok : Question::Answer::Cancel;
  return yes ? Question::Answer::Yes : Question::Answer::No;
}

void RunConsole::OnQuestion(const QString& title, const QString& text, int, int buttons) {
  Finish();
  m_runner.AnswerQuestion(AskOnConsole(title, text, static_cast<Question::Buttons>(buttons), m_answerYes));
}

void RunConsole::Finish() {
  if (m_terminal) std::cout << "\r\033[K" << std::flush;
}

}  // namespace dorvane::cli
