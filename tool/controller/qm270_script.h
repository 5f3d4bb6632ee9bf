#pragma once
// The programming run of a QM270 controller's XPort AR module: the boot
// caught with "!", the command line entered with "xyz", the product check
// on what "show" returns, then the fixed script of command lines in four
// stages (one for the IP-only run), each line followed by the answer pause.
// The module's answers to the script are never read.

#include <array>
#include <string>

#include "dialogue/dialogue.h"
#include "widgets/field_checks.h"

namespace dorvane {

// The QM270 window's subnet list: the PELLAR order, written without leading
// zeros; the shown text is what the module is sent.
inline constexpr std::array<const char*, 17> kQM270SubnetMasks = {
    "255.255.255.0",   "255.255.0.0",     "255.0.0.0",       "255.128.0.0",     "255.255.248.0",   "255.255.252.0",
    "255.255.254.0",   "255.255.255.128", "255.255.255.192", "255.255.255.224", "255.255.255.240", "255.255.255.248",
    "255.255.255.252", "255.255.240.0",   "255.255.224.0",   "255.255.192.0",   "255.255.128.0"};

// The rates of the link between the module and the controller board; the
// J2.2 jumper picks one of them.
inline constexpr std::array<const char*, 2> kQM270BaudRates = {"57600", "115200"};
inline constexpr const char* kQM270DefaultBaudRate = "115200";

struct QM270Inputs {
  std::string deviceAddress = "000.000.000.000";  // A: three digits per field
  std::string gateway = "000.000.000.000";        // G: three digits per field
  std::string subnetText = kQM270SubnetMasks[0];  // M: as the list shows it
  int comPort = 1;                                // 1..16
  // The device the COM entry opens instead of the mapped one (pellarctl's
  // serial:PATH); empty: the mapped one.
  std::string serialDevice;
  std::string baudText = kQM270DefaultBaudRate;  // S
  bool ipOnly = false;                           // chkIPOnly when the run starts
  bool reverseSettings = false;                  // ReverseSettings
  std::string reversePortText = "0";             // P: as typed
  bool staticLocalPort = false;                  // optLocalPort(0); otherwise dynamic
  KeySize keySize = KeySize::Bits128;
  std::string key;  // K: as typed, not trimmed
};

// The box that asks the installer to set the jumpers and power-cycle the
// controller before the boot catch.
Question PowerCycleInstruction(int comPort);

// Step 15 of the product check: the pieces of the received text (split at
// CR LF) holding "FW Version / Date   :" or "Product Type        :", each
// trimmed of blanks and followed by CR LF; empty when there is none.
std::string ProductInfoLines(const std::string& received);

// Why a run ended without touching the script: the "show" answer was short
// or held no product line (a CommunicationFailure with this description).
inline constexpr const char* kMissingProductInfo = "missing or invalid product information";

// The run after the window's checks. InputRejected (nothing sent) for a
// reverse run that is not IP-only with a key of the wrong length: a module
// set to AES with a key nobody typed can never connect back.
RunOutcome RunQM270(Dialogue& dialogue, const QM270Inputs& in);

}  // namespace dorvane
