#pragma once
// The programming run of a QM270 controller's XPort AR module: the boot
// caught with "!", the command line entered with "xyz", the product check
// on what "show" returns, then the fixed script of command lines in four
// stages (one for the IP-only run), each line followed by the answer pause.
// The module's answers to the script are never read.

#include <array>
#include <string>

#include "dialogue/dialogue.h"
#include "programming/run_inputs.h"

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
// The controllers' progress bar: one step per wait of the dialogue.
inline constexpr int kQM270ProgressDivisor = 90;

struct QM270Inputs {
  // A, G; the mask M is the list's text at server.subnetIndex
  // (kQM270SubnetMasks), sent as shown.
  ServerAddress server;
  LinkChoice link;                               // COM entries 1..16 only
  std::string baudText = kQM270DefaultBaudRate;  // S
  bool ipOnly = false;                           // chkIPOnly when the run starts
  ReverseNetwork reverse;                        // P: as typed
  DataKey dataKey;                               // K: as typed, not trimmed
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
