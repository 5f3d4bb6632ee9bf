#pragma once
// A question or instruction a run puts to the installer mid-run (the
// window shows a message box, pellarctl prints it).

#include <string>

namespace dorvane {

struct Question {
  enum class Icon { Information, Question, Critical, Exclamation };
  enum class Buttons { Ok, YesNo, OkCancel };
  enum class Answer { Ok, Yes, No, Cancel };

  std::string title;
  std::string text;
  Icon icon = Icon::Information;
  Buttons buttons = Buttons::Ok;
};

}  // namespace dorvane
