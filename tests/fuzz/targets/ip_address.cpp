// What an installer types into an address box (or pellarctl is given).
#include "base/ip_address.h"

#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace dorvane;
  const std::string_view text = fuzz::Bytes(data, size);
  std::optional<std::string> normalized = ValidateIPAddress(text);
  const std::string shortForm = IPAddressWithoutLeadingZeros(text);
  if (!normalized) return 0;
  fuzz::Require(normalized->size() == 15, "the normalised form is four fields of three digits");
  fuzz::Require(ValidateIPAddress(*normalized) == normalized, "the normalised form is its own normal form");
  // Ping and sockets get the short form: it must reach the address the box
  // passed, whichever of the two texts it was made from.
  fuzz::Require(ValidateIPAddress(shortForm) == normalized, "the short form of an address is the same address");
  fuzz::Require(shortForm.find_first_not_of("0123456789.") == std::string::npos,
                "the short form is digits and dots, as sockets take it");
  fuzz::Require(ValidateIPAddress(IPAddressWithoutLeadingZeros(*normalized)) == normalized,
                "the short form of the normalised form is the same address");
  for (int n = 0; n < 4; ++n) {
    fuzz::Require(AddressField(*normalized, n).size() == 3, "each field of the normalised form has three digits");
  }
  return 0;
}
