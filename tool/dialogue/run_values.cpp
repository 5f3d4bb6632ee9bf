#include "dialogue/run_values.h"

namespace dorvane {

std::string RunValues::ChipVersion() const {
  std::lock_guard lock(m_textMutex);
  return m_chipVersion;
}

void RunValues::SetChipVersion(std::string text) {
  std::lock_guard lock(m_textMutex);
  m_chipVersion = std::move(text);
}

std::string RunValues::HostBitsText() const {
  std::lock_guard lock(m_textMutex);
  return m_hostBitsText;
}

void RunValues::SetHostBitsText(std::string text) {
  std::lock_guard lock(m_textMutex);
  m_hostBitsText = std::move(text);
}

void RunValues::RaiseAllFirmwareFlags() {
  NewSetupPrompt = true;
  for (auto& flag : AtLeast) flag = true;
}

}  // namespace dorvane
