// The blocks of the files a command reads: every operand ("-" for standard
// input) is one program of the channel's program store, and every line of it
// one block, handed over in order.
#pragma once

#include <string>
#include <vector>

#include "orv/base.h"
#include "orvref/program_store.h"
#include "session.h"

namespace Velkor::Tessan {

// What the reading does after a block: go on, stop (the output failed), or
// give up on a program that cannot be read.
enum class Reading { kGoOn, kStop, kUnreadable };

class BlockSink {
 public:
  virtual ~BlockSink() = default;
  // Before the first block of each file, when several are read.
  virtual Reading BeginFile(const std::string& name) = 0;
  // `line` counts from 1.
  virtual Reading Block(const std::string& file, std::int32_t line, const Orv::String& text) = 0;
  // A line longer than the program store hands out, which is refused
  // without being parsed; its text can still be copied from `program`.
  virtual Reading OverLongBlock(const OrvReference::ProgramFile& program, std::int32_t line) = 0;
};

// Adds every operand (none: standard input) to the channel's program store,
// in order. False, with the reason on standard error, when a file cannot be
// opened.
bool OpenPrograms(Session& session, const std::vector<std::string>& operands,
                  std::vector<Orv::SmartPointer<OrvReference::ProgramFile>>& programs);

// Opens every operand first, then hands their blocks to `sink`. False, with
// the reason on standard error, when a file cannot be opened or read.
bool ReadBlocks(Session& session, const std::vector<std::string>& operands, BlockSink& sink);

}  // namespace Velkor::Tessan
