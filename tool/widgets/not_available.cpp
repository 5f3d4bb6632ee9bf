#include "widgets/not_available.h"

#include "widgets/message_boxes.h"

namespace dorvane {

void ShowNotAvailable(QWidget* owner, const QString& function) {
  ShowMessage(owner, BoxIcon::Information, function.trimmed(),
              "\"" + function.trimmed() + "\" is not available in this version of the tool.");
}

}  // namespace dorvane
