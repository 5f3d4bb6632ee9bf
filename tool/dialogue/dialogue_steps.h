#pragma once
// The link and dialogue steps every programming window runs, in the order
// the modules expect them, written against the Dialogue interface, and the
// subnet-mask answer they give.

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "dialogue/dialogue.h"

namespace dorvane {

inline constexpr int kAssignAddressPort = 1;
inline constexpr int kSetupPort = 9999;
inline constexpr const char* kWakeUpStatus = "Waiting for PELLAR Reset or Power Cycle";
// Socket state reads after the 3-second wait, without pause, before the
// connection counts as failed.
inline constexpr int kConnectedStateRereads = 30;
// The notice that a module of another kind answered a wake-up: the cable
// or the port is the wrong one.
inline constexpr int kOtherModuleTextId = 1138;

enum class WakeOutcome { PromptSeen, Cancelled };

// What a family knows of the other kinds of module: true when the
// transcript holds the answer of a module its run does not program.
using OtherModuleRule = std::function<bool(std::string_view transcript)>;

// Serial wake-up: three "x" per cycle with the keystroke pause between, the
// status alternating, until the module's prompt is seen. ESC is looked at
// once per cycle, at its end. raiseReceiveThreshold: the receive threshold
// is 100 during each cycle and 1 after it (what the family's run asks).
WakeOutcome AwaitSetupPrompt(Dialogue& dialogue, bool raiseReceiveThreshold, OtherModuleRule otherModule = {});

// The same loop for a module with a wake-up of its own: its keystroke, its
// status text, and what counts as its answer (the XPort AR's boot catch:
// "!" until a "!" has arrived).
struct WakeUp {
  std::string_view keystroke;
  std::string status;
  std::function<bool()> answered;
  bool raiseReceiveThreshold = false;
  // The status alternates with and without a trailing blank (the boards);
  // otherwise it keeps the trailing blank from the first cycle's end on
  // (the controllers).
  bool statusAlternates = true;
  // Looked at after each cycle: the first time it holds in a run, the run
  // gives the other-module notice once, and the wake-up goes on as before.
  OtherModuleRule otherModule;
};
WakeOutcome AwaitWakeUp(Dialogue& dialogue, const WakeUp& wakeUp);

// Empties the host's ARP table; the run goes on whatever the outcome.
void ClearArpCache(Dialogue& dialogue);

// Puts address -> MAC into the host's ARP table, so the module takes the
// address at the next connection attempt. False is the ARP failure.
bool AssignAddressByArp(Dialogue& dialogue, const std::string& address, const std::string& mac);

// "00-20-4a-12-34-56" from the six two-character boxes, each trimmed.
std::string MacTextFromBoxes(const std::array<std::string, 6>& boxes);

// The connected-state check after a connection attempt's wait: the state
// read once and re-read without pause while it is not connected.
bool TcpConnectedAfterRereads(Dialogue& dialogue);

// Port 1 (5 s, outcome ignored), then port 9999 (3 s), the connected-state
// check, then CR and 5 s into the setup menu. False: not connected.
bool ConnectSetupPort(Dialogue& dialogue, const std::string& address);

// One answer exactly as built, then the pause.
void SendAnswer(Dialogue& dialogue, std::string_view answer, double pause, Secrecy secrecy = Secrecy::Plain);

// The subnet-mask and baud-rate lists every programming window offers, and
// the module's answer for a mask: the number of host bits.
inline constexpr std::array<const char*, 17> kSubnetMasks = {
    "255.255.255.000", "255.255.000.000", "255.000.000.000", "255.128.000.000", "255.255.248.000", "255.255.252.000",
    "255.255.254.000", "255.255.255.128", "255.255.255.192", "255.255.255.224", "255.255.255.240", "255.255.255.248",
    "255.255.255.252", "255.255.240.000", "255.255.224.000", "255.255.192.000", "255.255.128.000"};

// The serial rates of a board's channel. Windows that offer fewer start
// their list further down; the last rates are always there.
inline constexpr std::array<const char*, 7> kBaudRates = {"1200", "2400", "9600", "19200", "38400", "57600", "115200"};
inline constexpr const char* kDefaultBaudRate = "57600";

// "8" for index 0 ... "15" for index 16; "0" for any other index.
std::string HostBitsForIndex(int index);

// Sets HostBitsText of the run values from the list index.
void SubnetHostBits(RunValues& values, int index);

// The list index of a mask written with or without leading zeros, or -1.
int SubnetMaskIndex(const std::string& mask);

}  // namespace dorvane
