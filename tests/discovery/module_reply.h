#pragma once
// Datagrams shaped like a module's discovery reply, built byte by byte from
// the documented layout (not by the code under test).

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace dorvane::testing {

using MacBytes = std::array<unsigned char, 6>;

inline std::string ModuleReply(std::string_view productCode, const MacBytes& mac, std::size_t size = 30,
                               unsigned char replyCode = 0xF7) {
  std::string datagram(std::max<std::size_t>(size, 30), '\x11');
  datagram[3] = static_cast<char>(replyCode);
  datagram[8] = productCode.size() > 0 ? productCode[0] : ' ';
  datagram[9] = productCode.size() > 1 ? productCode[1] : ' ';
  for (std::size_t i = 0; i < mac.size(); ++i) datagram[24 + i] = static_cast<char>(mac[i]);
  datagram.resize(size);
  return datagram;
}

}  // namespace dorvane::testing
