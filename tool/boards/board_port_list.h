#pragma once
// The port list of the wired boards' windows (frmPellar2, frmPellarEncrypted):
// COM entries and the network connections through the service addresses, the
// entry of the host's own service network preselected, the device behind a
// COM entry named beside it, and the run's caption for a network run.

#include <QString>
#include <string>

class QComboBox;
class QLabel;

namespace dorvane {

// Fills the list with the texts for indexes 0 .. kPortListSize - 1 and
// selects the entry for hostAddress, or `fallback` when the address is in no
// service network.
void FillBoardPortList(QComboBox* list, std::string (*text)(int), int fallback, const QString& hostAddress);

// lblPortDevice: the device a COM entry reaches, nothing for the other
// entries.
void ShowBoardPortDevice(QLabel* label, int index);

// A run over the network cannot be cancelled, so lblRequest drops its ESC
// hint for it.
void ShowRunCaption(QLabel* request, int portIndex);

}  // namespace dorvane
