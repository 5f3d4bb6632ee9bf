#pragma once
// What each kind of module says when a run's wake-up or boot catch reaches
// it, so a run can tell its own module from another kind on the same
// cable: the boards' device-server modules and the QM270 Rev. B's XPico
// greet with a setup prompt (the XPico's banner names it), while the
// QM270's XPort AR answers its boot catch with a "!" and greets nobody.
// A banner is the text up to and including a setup prompt, from the end
// of the prompt before it.

#include <string_view>

namespace dorvane {

class RunValues;

// The name the XPico shows in its banner.
inline constexpr std::string_view kXPicoName = "XPICO";

// The boards' serial banner rule: the engine's setup-prompt rule over the
// transcript without the XPico's banners, so a board's wake-up goes on
// past an XPico's answer and still finds its own module after it.
bool BoardBannerRule(std::string_view transcript, RunValues& values);

// The other modules each run's wake-up recognises (OtherModuleRule):
// a board's run hears an XPico's banner;
bool XPicoBannerHeard(std::string_view transcript);
// the XPort AR's boot catch hears any setup prompt;
bool SetupPromptHeard(std::string_view transcript);
// the XPico's boot catch hears a banner that does not name the XPico.
bool OtherThanXPicoHeard(std::string_view transcript);

}  // namespace dorvane
