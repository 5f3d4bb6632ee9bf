#pragma once
// The XPico's record mode, entered with "M" after its banner: the load
// command `S7\n` (a backslash and an n, not a line feed) and CR, then the
// records back to back with nothing between them, then `\n` and CR, then
// "RS" and CR, which restarts the module.
//
// A record is ":" count address type data checksum in hexadecimal, so its
// own count tells where it ends (11 + 2 * count characters). Type 10h is
// the module's data record (not a standard Intel HEX type), 01 the end. The
// checksum makes the bytes from count to the last data byte sum to zero
// mod 256. A bad checksum is logged with the record it was in, and the
// block is then not written; the end record logs what would be written
// ("record-block:126 bytes at 0000: 05 then 125 x 00") or why not
// ("record-not-written:..."). Anything out of its place is "unexpected",
// as in the strict menus, and also keeps the block from being written.

#include <QByteArray>
#include <QList>
#include <QString>

#include "sim/module_firmware.h"

namespace dorvane::sim {

class XPicoRecordLoader {
 public:
  // The "M" that opened record mode; starts afresh.
  ModuleReply Enter();
  ModuleReply Receive(char byte);
  // "RS" arrived: the module restarts.
  bool Restarting() const { return m_step == Step::kRestarting; }

  // "126 bytes at 0000: 05 then 125 x 00": the runs of equal bytes, so a
  // log line shows a block's shape without its length in hex.
  static QString Digest(int start, const QByteArray& bytes);

 private:
  enum class Step { kCommand, kRecords, kTrailer, kRestartCommand, kRestarting };
  struct DataRecord {
    int address;
    QByteArray bytes;
  };

  // A line of the step under way, ended by CR; the next step once it is the
  // wanted one.
  ModuleReply CommandLine(char byte, const QByteArray& wanted, const char* id, Step next, const QByteArray& output);
  ModuleReply RecordByte(char byte);
  ModuleReply RecordComplete();
  ModuleReply EndOfRecords();
  ModuleReply Unexpected(const char* id, const QByteArray& wanted, const QByteArray& got);

  Step m_step = Step::kCommand;
  QByteArray m_input;
  int m_records = 0;  // records completed, the one under way is m_records + 1
  QList<DataRecord> m_data;
  QString m_fault;  // the first reason the block is not written; empty: none
};

}  // namespace dorvane::sim
