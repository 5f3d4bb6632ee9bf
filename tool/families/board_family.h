#pragma once
// A board family as the tool offers it: the kind pellarctl and site plans
// name it by, where the installer opens its window, the window itself and
// its pellarctl command. Each family's folder defines its entry; the list
// of families (family_list.cpp) is the one place that names them all, and
// the main window, the device-type selection window and `pellarctl
// program` read it, so a family is added by its folder and one entry there.

#include <memory>
#include <span>
#include <string_view>

#include "dialogue/dialogue_runner.h"

class QWidget;

namespace dorvane {

class ProgrammingHost;
class ProgrammingWindow;

namespace cli {
struct BoardCommand;
}

struct BoardFamily {
  // Where the installer opens the family's window.
  enum class Opener {
    MainWindow,       // a button of the main window
    Selection,        // a button of the PELLAR device-type selection window
    SelectionHidden,  // the same, shown only after the selection window's reveal key
  };

  Opener opener;
  // The opening button's object name on its window's form. A family whose
  // button the form does not have gets one, captioned `caption`.
  const char* buttonName;
  const char* caption;
  // The procedure label of the error report when opening the window fails.
  const char* openLabel;
  std::unique_ptr<ProgrammingWindow> (*openWindow)(ProgrammingHost& host, QWidget* parent,
                                                   DialogueRunner::Options runOptions);
  // `pellarctl program KIND`: the kind is the command's name.
  const cli::BoardCommand& command;

  std::string_view Kind() const;
};

// Every family, in the order pellarctl's help lists them.
std::span<const BoardFamily* const> BoardFamilies();

// The family of a `pellarctl program` kind, or none.
const BoardFamily* FindBoardFamily(std::string_view kind);

// The window factory every family's entry uses.
template <typename Window>
std::unique_ptr<ProgrammingWindow> OpenFamilyWindow(ProgrammingHost& host, QWidget* parent,
                                                    DialogueRunner::Options runOptions) {
  return std::make_unique<Window>(host, parent, std::move(runOptions));
}

}  // namespace dorvane
