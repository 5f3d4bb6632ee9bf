#pragma once
// The parts of a run's inputs that every family shares, one type each: the
// windows' frames fill them, pellarctl's options fill them, and the scripts
// read them, so each part has one name everywhere.

#include <string>

#include "programming/field_checks.h"

namespace dorvane {

// The module's server block, three digits per field, as the Program
// button's check leaves the boxes.
struct ServerAddress {
  std::string address = "000.000.000.000";
  std::string gateway = "000.000.000.000";
  int subnetIndex = 0;  // position in the window's subnet list
};

// How the run reaches the module.
struct LinkChoice {
  // The port list entry: 0 the network via ARP, 1..16 the COM ports,
  // 17..19 the modules' service addresses; a family that programs over a
  // cable only takes 1..16.
  int port = 1;
  // The device the COM entry opens instead of the one the platform maps it
  // to (pellarctl's serial:PATH); empty: the mapped one.
  std::string serialDevice;
  // A module already on the network at this address (pellarctl's
  // net:ADDRESS), used instead of the entry's service address.
  std::string networkTarget;
};

// The reverse-network frame's settings.
struct ReverseNetwork {
  bool saved = false;            // Save took them
  std::string portText = "0";    // as saved
  bool staticLocalPort = false;  // optLocalPort(0); otherwise the dynamic local port
};

// The data encryption key: capital hexadecimal digits, KeyLength(size) of
// them for the run to take it.
struct DataKey {
  KeySize size = KeySize::Bits128;
  std::string key;
};

}  // namespace dorvane
