#pragma once
// What the controllers' window tests share: the host, the message boxes,
// the fake links a window's runs get, and the steps every test takes with
// them (open the window, save reverse settings, answer boxes in turn).

#include <QMessageBox>
#include <QObject>
#include <QtTest>
#include <memory>

#include "../boards/fake_programming_host.h"
#include "base/localised_text.h"
#include "base/program_start.h"
#include "base/timing_settings.h"
#include "fake_arp_table.h"
#include "fake_link.h"
#include "message_box_recorder.h"
#include "stored_setting.h"
#include "widget_lookup.h"

namespace dorvane::testing {

template <typename Window>
class ControllerWindowTest : public QObject {
 protected:
  // Before each test: fresh boxes and links to the module, English, no
  // command line, the stored pauses at their defaults.
  void ResetFixture(FakeModule module) {
    m_boxes = std::make_unique<MessageBoxRecorder>();
    m_turnBoxes.clear();
    m_links = std::make_unique<FakeLinks>(std::move(module));
    LanguageOffset = kEnglishOffset;
    CommandLineText.clear();
    m_host.pingBox.clear();
    StoreSetting(kProgramWaitName, QString());
    StoreSetting(kWaitValueName, QString());
  }
  void CleanupFixture() {
    m_boxes.reset();
    SetMessageBoxResponder({});
  }

  std::unique_ptr<Window> Open() {
    DialogueRunner::Options options;
    options.arp = std::make_shared<FakeArpTable>();
    options.makeLink = m_links->Factory();
    auto window = std::make_unique<Window>(m_host, nullptr, options);
    window->show();
    if (!QTest::qWaitForWindowActive(window.get())) qWarning("window not active");
    return window;
  }
  void SaveReverse(QWidget* window, const QString& port) {
    Click(window, "cmdReverseNetworkPort");
    Edit(window, "txtReverseNetworkPort")->setText(port);
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
  std::unique_ptr<FakeLinks> m_links;
  QList<MessageBoxRequest> m_turnBoxes;
};

}  // namespace dorvane::testing
