#pragma once
// Port boxes take digits only: a typed character other than 0 to 9 is
// dropped, while backspace, copy and paste keep working.

class QLineEdit;

namespace dorvane {

void AcceptPortNumberKeysOnly(QLineEdit* box);

}  // namespace dorvane
