// Misbehaviour on demand, so that the program's error paths can be driven.
// A fault applies to every request, or once; it can wait for a number of
// requests before it starts.
#pragma once

#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

namespace nastrum::sim {

enum class FaultKind {
  NoAnswer,       // the request is heard and ignored
  Nak,            // the request is refused with a negative acknowledgement
  BadChecksum,    // the reply's checksum or CRC is corrupted
  ShortReply,     // the reply loses its last bytes
  Garbage,        // stray bytes precede the reply
  Echo,           // every byte the computer sends comes back (two-wire loop)
  RefuseStop,     // STOP is acknowledged but the device keeps working
  RefuseReprog,   // entering the reprogramming mode is acknowledged but not done
  MissingKey,     // the status word reports the electronic key missing
  WrongPassword,  // every password is refused
  StopAnswering,  // after `after` requests the device falls silent
  Completion,     // the loader reports `value` as the completion of a packet (-1: none)
  CorruptWrite,   // the first settings parameter written, or the names area programmed, keeps a byte wrong from then on
};

struct Fault {
  FaultKind kind;
  bool once = false;  // consumed by the first request it affects
  int after = 0;      // requests that pass untouched before it applies
  int value = 0x62;   // Completion: the byte reported, -1 for none
};

// "nak", "nak:once", "noanswer@3", "stop@10" (stop answering after 10
// requests), "completion=48" (hexadecimal byte) or "completion=none".
std::optional<Fault> parseFault(const QString& text);
QString faultName(FaultKind kind);
QStringList faultNames();

class FaultPlan {
 public:
  void add(Fault fault) { faults_.push_back(fault); }
  void clear() { faults_.clear(); }

  // Whether the fault applies to request number `request` (counted from 1);
  // a one-time fault is used up by this call.
  bool take(FaultKind kind, int request, Fault* taken = nullptr);
  // Whether the fault applies, without using it up.
  bool active(FaultKind kind, int request) const;

 private:
  std::vector<Fault> faults_;
};

}  // namespace nastrum::sim
