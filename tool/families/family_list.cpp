#include <array>

#include "cli/program_options.h"
#include "families/board_family.h"

namespace dorvane {

// Each family's folder defines its entry beside its pellarctl command.
extern const BoardFamily kPellar2Family;
extern const BoardFamily kPellar6Family;
extern const BoardFamily kWirelessFamily;
extern const BoardFamily kWirelessEncryptedFamily;
extern const BoardFamily kQM270Family;
extern const BoardFamily kQM270XPicoFamily;

namespace {

// The families, in the order pellarctl's help lists them and the windows
// offer them.
const std::array<const BoardFamily*, 6> kFamilies = {&kPellar2Family,           &kPellar6Family, &kWirelessFamily,
                                                     &kWirelessEncryptedFamily, &kQM270Family,   &kQM270XPicoFamily};

}  // namespace

std::string_view BoardFamily::Kind() const { return command.name; }

std::span<const BoardFamily* const> BoardFamilies() { return kFamilies; }

const BoardFamily* FindBoardFamily(std::string_view kind) {
  for (const BoardFamily* family : kFamilies) {
    if (family->Kind() == kind) return family;
  }
  return nullptr;
}

}  // namespace dorvane
