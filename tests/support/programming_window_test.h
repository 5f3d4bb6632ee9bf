#pragma once
// What the programming windows' tests share: the host a window reports to,
// the message boxes, the fake ARP table and links its runs get, and the
// steps every test takes with them (open the window, save reverse
// settings, answer boxes in turn). Nothing here knows a family: the test
// names its window type, and whatever the window's constructor takes from
// its host and the runner's options.

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QRadioButton>
#include <QtTest>
#include <memory>
#include <optional>

#include "base/localised_text.h"
#include "base/program_start.h"
#include "base/timing_settings.h"
#include "dialogue/dialogue_runner.h"
#include "fake_arp_table.h"
#include "fake_link.h"
#include "fake_programming_host.h"
#include "message_box_recorder.h"
#include "stored_setting.h"
#include "widget_lookup.h"

namespace dorvane::testing {

template <typename Window>
class ProgrammingWindowTest : public QObject {
 protected:
  // Before each test: fresh boxes, ARP table and host, English, no command
  // line, the stored pauses at their defaults. The runs reach `links` when
  // given, the real serial and TCP links otherwise.
  void ResetFixture(std::optional<FakeLinks> links = std::nullopt) {
    m_boxes = std::make_unique<MessageBoxRecorder>();
    m_turnBoxes.clear();
    m_arp = std::make_shared<FakeArpTable>();
    m_links = std::move(links);
    m_options = {};
    LanguageOffset = kEnglishOffset;
    CommandLineText.clear();
    m_host.adapterAddress.clear();
    m_host.pingBox.clear();
    m_host.enabled = false;
    StoreSetting(kProgramWaitName, QString());
    StoreSetting(kWaitValueName, QString());
  }
  void CleanupFixture() {
    m_boxes.reset();
    SetMessageBoxResponder({});
  }

  // The window shown and active, its runs given the fixture's ARP table,
  // links and m_options. Another type than the fixture's opens the same way.
  template <typename Shown = Window>
  std::unique_ptr<Shown> Open() {
    DialogueRunner::Options options = m_options;
    if (!options.arp) options.arp = m_arp;
    if (m_links && !options.makeLink) options.makeLink = m_links->Factory();
    auto window = std::make_unique<Shown>(m_host, nullptr, options);
    ShowActive(*window);
    return window;
  }

  // The reverse frame opened, its port typed (and the static or dynamic
  // local port chosen when given), and saved.
  void SaveReverse(QWidget* window, const QString& port, std::optional<bool> staticLocalPort = std::nullopt) {
    Click(window, "cmdReverseNetworkPort");
    Edit(window, "txtReverseNetworkPort")->setText(port);
    if (staticLocalPort)
      Child<QRadioButton>(window, *staticLocalPort ? "optLocalPort_0" : "optLocalPort_1")->setChecked(true);
    Click(window, "cmdReverseSave");
  }

  // Answers the boxes in turn (Ok once the list runs out) and keeps them.
  void AnswerInTurn(QList<QMessageBox::StandardButton> answers) {
    m_boxes.reset();
    SetMessageBoxResponder([this, answers](const MessageBoxRequest& box) mutable {
      m_turnBoxes << box;
      return answers.isEmpty() ? QMessageBox::Ok : answers.takeFirst();
    });
  }

  FakeProgrammingHost m_host;
  std::unique_ptr<MessageBoxRecorder> m_boxes;
  std::shared_ptr<FakeArpTable> m_arp;
  std::optional<FakeLinks> m_links;
  // What the test adds to every run's options (an application log, ...).
  DialogueRunner::Options m_options;
  QList<MessageBoxRequest> m_turnBoxes;
};

}  // namespace dorvane::testing
