#include "dialogue/banner_scan.h"

#include <array>

#include "dialogue/run_values.h"

namespace dorvane {

namespace {

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

// Whether part occurs in text with its end past `from`: it was completed by
// the bytes from there on.
bool CompletedAfter(std::string_view text, std::size_t from, std::string_view part) {
  return text.find(part, from >= part.size() ? from - part.size() + 1 : 0) != std::string_view::npos;
}

constexpr std::array<std::string_view, kVersionFlagCount> kVersions = {
    "Software version V6.5.0.", "Software version V6.6.0.", "Software version V6.7.0.",
    "Software version V6.8.0.", "Software version V6.9.0.", "Software version V6.10.0."};

}  // namespace

bool RaiseVersionLadder(std::string_view text, RunValues& values, std::size_t lowest) {
  for (std::size_t i = lowest; i < kVersions.size(); ++i) {
    if (Contains(text, kVersions[i])) {
      for (std::size_t lower = lowest; lower <= i; ++lower) values.AtLeast[lower] = true;
      return true;
    }
  }
  return false;
}

namespace {

// None of the ladder's versions lowers only AtLeastV6_5.
void ApplyVersionLadder(std::string_view text, RunValues& values) {
  if (!RaiseVersionLadder(text, values, 0)) values.AtLeastV6_5() = false;
}

// The first "Software version" whose 26 characters reach past `from`: an
// earlier one whose text was already complete was read before.
void ScanChipVersion(std::string_view text, std::size_t from, RunValues& values, BannerScanResult& result) {
  std::size_t at = text.find(kSoftwareVersion, from >= kChipVersionLength ? from - kChipVersionLength + 1 : 0);
  if (at == std::string_view::npos) return;
  std::string chip(text.substr(at, kChipVersionLength));
  values.SetChipVersion(chip);
  result.chipVersionFound = true;
  bool blank = chip.find_first_not_of(" \t\r\n") == std::string::npos;
  result.chipVersionLabel = blank ? std::string() : chip;
}

}  // namespace

bool SetupPromptRule(std::string_view transcript, RunValues& values) {
  if (Contains(transcript, kOldSetupPrompt)) {
    values.NewSetupPrompt = false;
    return true;
  }
  if (Contains(transcript, kNewSetupPrompt)) {
    values.NewSetupPrompt = true;
    ApplyVersionLadder(transcript, values);
    return true;
  }
  return false;
}

BannerScanResult ScanSerialTranscript(std::string_view transcript, RunValues& values, const SerialBannerRule& rule) {
  BannerScanResult result;
  result.promptSeen = rule(transcript, values);
  ScanChipVersion(transcript, 0, values, result);
  return result;
}

BannerScanResult NetworkBannerScan::Arrived(std::string_view chunk, RunValues& values) {
  const std::size_t fresh = m_received.size();
  m_received += chunk;
  const std::string_view text = m_received;
  BannerScanResult result;
  if (CompletedAfter(text, fresh, kOldSetupPrompt)) {
    result.promptSeen = true;
    values.NewSetupPrompt = false;
  } else if (CompletedAfter(text, fresh, kNewSetupPrompt)) {
    result.promptSeen = true;
    values.NewSetupPrompt = true;
    ApplyVersionLadder(text, values);
  } else if (CompletedAfter(text, fresh, kParametersStored)) {
    result.parametersStored = true;
    values.ParametersStored = true;
    values.StopWaiting = true;
  }
  ScanChipVersion(text, fresh, values, result);
  return result;
}

}  // namespace dorvane
