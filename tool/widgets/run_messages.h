#pragma once
// Questions and end messages of a programming run, shown through the
// message-box gateway. Runs and checks describe their boxes in the core's
// terms (Question); this is where they become boxes.

#include <QString>
#include <string>

#include "dialogue/dialogue.h"
#include "widgets/message_boxes.h"

class QWidget;

namespace dorvane {

BoxIcon BoxIconFor(Question::Icon icon);

// A one-button box; texts are UTF-8 from the string table or the checks.
void ShowRunMessage(QWidget* owner, Question::Icon icon, const std::string& title, const std::string& text);

// A question a run put mid-run; the installer's answer in the run's terms.
Question::Answer AskInstaller(QWidget* owner, const QString& title, const QString& text, Question::Icon icon,
                              Question::Buttons buttons);

}  // namespace dorvane
