// The QM270 Rev. B family: its entry in the list of families and its
// command, pellarctl program qm270b, which programs the XPico module over a
// COM port with the same script, runner and texts as frmQM270XPico.

#include "cli/program_options.h"
#include "cli/subcommands.h"
#include "controller/qm270_run_messages.h"
#include "controller/qm270_xpico_script.h"
#include "controller/qm270_xpico_window.h"
#include "families/board_family.h"

namespace dorvane::cli {

namespace {

const char* const kQM270XPicoUsage =
    "Usage: pellarctl program qm270b --ip ADDRESS [--mask MASK] [--gateway ADDRESS] --via comN | serial:PATH\n"
    "    [--baud 57600|115200] [--ethernet 0..4] [--no-77fe] [--server-only]\n"
    "    [--key-bits none|128|192|256] [--key HEX | --key-file FILE|-]\n"
    "    [--reverse-port N [--static-port]]\n"
    "    [--transcript FILE] [--show-keys] [--yes]\n"
    "\n"
    "  qm270b: the XPico module of a QM270 Rev. B is programmed over a serial\n"
    "  cable only. The run asks the installer to set the switches and\n"
    "  power-cycle the controller and waits for Enter (--yes goes on at once);\n"
    "  Ctrl+C during a boot catch cancels. --ethernet is the position in the\n"
    "  window's list (0 automatic .. 4 100 Mbit full duplex); --no-77fe leaves\n"
    "  the discovery port open; --server-only programs the server address\n"
    "  settings only. --key-bits (default none) switches encryption on with a\n"
    "  key of 32, 48 or 64 hexadecimal digits. --reverse-port N (0..65535): the\n"
    "  controller connects out to port N, always encrypted (--key-bits 128\n"
    "  unless given); --static-port makes its local port N too.\n";

// --key-bits, the key and the reverse settings into `in`; nothing, or the
// exit code of a refusal.
std::optional<int> ReadKeyAndReverseOptions(const CommandParser& parser, QM270XPicoInputs& in) {
  ReverseNetwork& reverse = in.reverse;
  if (std::optional<int> refused = ReadReverseOptions(parser, kHighestReversePort, reverse)) return refused;

  const QString bits = parser.value("key-bits");
  if (parser.isSet("key-bits") && bits != "none" && !ParseKeyBits(bits)) {
    return parser.Refuse("--key-bits takes none, 128, 192 or 256");
  }
  const bool keyGiven = parser.isSet("key") || parser.isSet("key-file");
  const bool noEncryption = parser.isSet("key-bits") ? bits == "none" : !reverse.saved;
  if (noEncryption) {
    // The window's reverse Save takes "No Encryption" away.
    if (reverse.saved) return parser.Refuse("--reverse-port is always encrypted: --key-bits none cannot go with it");
    if (keyGiven) return parser.Refuse("a key needs --key-bits 128, 192 or 256");
    return std::nullopt;
  }
  // A size chosen with an empty or short key would switch encryption on with
  // a key nobody typed.
  int refused = 0;
  std::optional<DataKey> key = ReadDataKey(parser, refused, "128");
  if (!key) return refused;
  in.dataKey = *key;
  return std::nullopt;
}

// The options into `in`; nothing, or the exit code of a refusal.
std::optional<int> ReadOptions(const CommandParser& parser, QM270XPicoInputs& in) {
  ServerChoice server;
  if (std::optional<int> refused = ReadServerOptions(parser, "57600", server)) return refused;
  in.server = server.server;
  in.baudText = server.baudText;
  in.ethernetIndex = server.ethernetIndex;

  LinkChoice link;
  if (std::optional<int> refused = ReadComPortOption(parser, kXPicoModuleName, link)) return refused;
  in.link = link;
  in.disable77FE = !parser.isSet("no-77fe");
  in.defaultOnly = parser.isSet("server-only");
  return ReadKeyAndReverseOptions(parser, in);
}

int ProgramQM270XPico(const QStringList& arguments) {
  CommandParser parser("pellarctl program qm270b", kQM270XPicoUsage);
  AddServerOptions(parser, "115200");
  parser.addOptions({
      {"via", "COM entry or serial device of the module.", "LINK"},
      {"no-77fe", "Leave the discovery port 77FE open."},
      {"server-only", "Program the server address settings only."},
      {"transcript", "Write the run's transcript as JSON lines.", "FILE"},
      {"show-keys", "Do not mask keys in the transcript."},
      {"yes", "Answer the run's questions yes and go on without waiting for Enter."},
  });
  AddKeyOptions(parser);
  AddReverseOptions(parser);
  if (std::optional<int> ended = parser.Read(arguments)) return *ended;
  QM270XPicoInputs in;
  if (std::optional<int> refused = ReadOptions(parser, in)) return *refused;

  if (in.reverse.saved && !ConfirmReverseOnConsole(parser, kXPicoModuleName)) return kExitCancelled;
  return RunProgramScript(parser, [in](Dialogue& d) { return RunQM270XPico(d, in); },
                          {kQM270XPicoRunLabel, QM270XPicoEndMessage});
}

}  // namespace

const BoardCommand kQM270XPicoCommand{"qm270b", kQM270XPicoUsage, ProgramQM270XPico,
                                      "QM270 Rev. B controller's XPico module over a COM port"};

}  // namespace dorvane::cli

namespace dorvane {

extern const BoardFamily kQM270XPicoFamily;

const BoardFamily kQM270XPicoFamily{BoardFamily::Opener::MainWindow,    "cmdProgramQM270RevB",
                                    "Program QM270 Rev. B Device",      "Program QM270 Rev. B Device Click",
                                    OpenFamilyWindow<QM270XPicoWindow>, cli::kQM270XPicoCommand};

}  // namespace dorvane
