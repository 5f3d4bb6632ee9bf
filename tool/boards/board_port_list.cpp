#include "boards/board_port_list.h"

#include <QComboBox>
#include <QLabel>

#include "boards/pellar_setup_script.h"
#include "platform/serial_ports.h"
#include "widgets/apply_language.h"

namespace dorvane {

void FillBoardPortList(QComboBox* list, std::string (*text)(int), int fallback, const QString& hostAddress) {
  list->clear();
  for (int i = 0; i < kPortListSize; ++i) list->addItem(QString::fromStdString(text(i)));
  int index = PortIndexForHostAddress(hostAddress.toStdString());
  list->setCurrentIndex(index >= kFirstServicePort ? index : fallback);
}

void ShowBoardPortDevice(QLabel* label, int index) {
  bool comEntry = index > 0 && !IsNetworkPort(index);
  label->setText(comEntry ? QString::fromStdString(platform::ComPortDescription(index)) : QString());
}

void ShowRunCaption(QLabel* request, int portIndex) {
  if (IsNetworkPort(portIndex)) request->setText(WindowText(1032));
}

}  // namespace dorvane
