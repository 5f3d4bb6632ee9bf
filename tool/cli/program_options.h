#pragma once
// What pellarctl's board programming commands share: their refusals, the
// link and key options, and the run with the report of how it ended. Each
// board's command lives in a file of its own and is listed once, in
// program_command.cpp.

#include <QByteArray>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>

#include "dialogue/dialogue_runner.h"
#include "dialogue/dialogue_steps.h"
#include "programming/run_inputs.h"

namespace dorvane::cli {

// A board's command: its name after "program", its usage text and its run.
struct BoardCommand {
  const char* name;
  const char* usage;
  int (*run)(const QStringList& arguments);
};

// The wired PELLAR boards (program_wired_boards.cpp).
extern const BoardCommand kPellar2Command;
extern const BoardCommand kPellar6Command;
// The wireless PELLAR boards (program_wireless.cpp).
extern const BoardCommand kWirelessCommand;
extern const BoardCommand kWirelessEncryptedCommand;

// The QM270 controllers' XPort AR module (program_qm270.cpp) and the
// QM270 Rev. B's XPico (program_qm270b.cpp).
extern const BoardCommand kQM270Command;
extern const BoardCommand kQM270XPicoCommand;

// "pellarctl program: WHY", the board's usage, exit 2.
int UsageError(const QString& why, const char* usage);
// The window's message, as the installer would read it in its box; exit 2.
int Refused(const Message& message);

// What every board command checks first: no stray arguments, --ip and
// --via given, address and gateway as the window checks them (the accepted
// values into `address` and `gateway`). Nothing, or the exit code of a
// refusal.
std::optional<int> ReadDeviceAddressOptions(const QCommandLineParser& parser, const char* usage, std::string& address,
                                            std::string& gateway);

// comN, serial:PATH, net:ADDRESS (and "arp" when offered); nothing, with the
// reason, otherwise.
std::optional<LinkChoice> ParseLinkOption(const QString& via, bool arpOffered, QString& why);
// --via for the controllers, which take a COM port only (comN or
// serial:PATH): the entry and device into `link`. device names the
// controller in the refusal. Nothing, or the exit code of a refusal.
std::optional<int> ReadComPortOption(const QCommandLineParser& parser, const char* usage, const char* device,
                                     LinkChoice& link);

// --ip, --mask, --gateway, --baud and --ethernet, as every PELLAR window
// checks them.
struct ServerChoice {
  ServerAddress server;
  std::string baudText;
  int ethernetIndex = 0;
};
void AddServerOptions(QCommandLineParser& parser, const char* defaultBaud = kDefaultBaudRate);
// lowestBaud: the board's lowest channel rate. Nothing, or the exit code of
// a refusal.
std::optional<int> ReadServerOptions(const QCommandLineParser& parser, const char* lowestBaud, ServerChoice& server,
                                     const char* usage);

// The first line of a file, or of standard input for "-", without its line
// end; nothing, with the reason, when it cannot be read. what names it in
// the reason ("the key").
std::optional<QByteArray> ReadFirstLine(const QString& path, const char* what, QString& why);

// --key-bits 128|192|256.
std::optional<KeySize> ParseKeyBits(const QString& bits);
// The key from --key or --key-file (a file, or "-" for standard input),
// trimmed and in capitals; nothing, with the reason, when there is none,
// it cannot be read or it holds anything but hexadecimal digits.
std::optional<std::string> ReadKeyOption(const QCommandLineParser& parser, QString& why);
// The key options as every board names them.
void AddKeyOptions(QCommandLineParser& parser);

// --key-bits with --key or --key-file: a data key of exactly the size's
// digits; nothing, with the exit code of the refusal in `refused`.
// bitsWhenUnset: the size a command takes when --key-bits is not given.
std::optional<DataKey> ReadDataKey(const QCommandLineParser& parser, const char* usage, int& refused,
                                   const char* bitsWhenUnset = nullptr);

// --reverse-port N [--static-port], as every reverse-network frame takes
// them.
void AddReverseOptions(QCommandLineParser& parser);
// Nothing, or the exit code of a refusal; the port passes the frames' Save
// check.
std::optional<int> ReadReverseOptions(const QCommandLineParser& parser, ReverseNetwork& reverse, const char* usage);
// The reverse question, answered on the terminal or by --yes; false
// (said on the terminal) when it was not confirmed. device names the board
// in the question.
bool ConfirmReverseOnConsole(const QCommandLineParser& parser, const std::string& device = "PELLAR");

// How a board's run ends on the terminal.
struct RunReport {
  const char* errorLabel;  // the error report's procedure label
  std::function<Message(const RunOutcome&)> endMessage;
  // Printed when the installer declined the run's question.
  std::string declined = "Not confirmed; nothing was sent to the device.";
};

// Runs the script with the transcript, --show-keys and --yes of the parsed
// options, prints how it ended and returns the exit code: 0 completed,
// 1 run-time error, 2 input refused, 3 communication failure (an
// unconfirmed save included), 4 cancelled or declined.
int RunProgramScript(const QCommandLineParser& parser, DialogueRunner::Script script, const RunReport& report);

}  // namespace dorvane::cli
