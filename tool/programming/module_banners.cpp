#include "programming/module_banners.h"

#include <algorithm>
#include <string>

#include "dialogue/banner_scan.h"

namespace dorvane {

namespace {

// Where the first setup prompt from `from` on ends, or npos.
std::size_t PromptEnd(std::string_view text, std::size_t from) {
  std::size_t end = std::string_view::npos;
  for (std::string_view prompt : {kOldSetupPrompt, kNewSetupPrompt}) {
    std::size_t at = text.find(prompt, from);
    if (at != std::string_view::npos) end = std::min(end, at + prompt.size());
  }
  return end;
}

bool NamesXPico(std::string_view banner) { return banner.find(kXPicoName) != std::string_view::npos; }

// Whether one of the transcript's banners passes the test.
template <typename Test>
bool AnyBanner(std::string_view transcript, Test test) {
  for (std::size_t from = 0, end; (end = PromptEnd(transcript, from)) != std::string_view::npos; from = end) {
    if (test(transcript.substr(from, end - from))) return true;
  }
  return false;
}

}  // namespace

bool BoardBannerRule(std::string_view transcript, RunValues& values) {
  if (!NamesXPico(transcript)) return SetupPromptRule(transcript, values);
  std::string kept;
  std::size_t from = 0;
  for (std::size_t end; (end = PromptEnd(transcript, from)) != std::string_view::npos; from = end) {
    std::string_view banner = transcript.substr(from, end - from);
    if (!NamesXPico(banner)) kept += banner;
  }
  kept += transcript.substr(from);
  return SetupPromptRule(kept, values);
}

bool XPicoBannerHeard(std::string_view transcript) { return AnyBanner(transcript, NamesXPico); }

bool SetupPromptHeard(std::string_view transcript) { return PromptEnd(transcript, 0) != std::string_view::npos; }

bool OtherThanXPicoHeard(std::string_view transcript) {
  return AnyBanner(transcript, [](std::string_view banner) { return !NamesXPico(banner); });
}

}  // namespace dorvane
