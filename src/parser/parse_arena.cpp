#include "parser/parse_arena.h"

#include <algorithm>
#include <memory>

namespace Velkor::OrvTessan {

template <class T>
void ParseArena::Pool<T>::NextChunk() {
  const std::size_t index = used / kChunkSize;
  if (index == chunks.size()) chunks.push_back(std::make_unique<T[]>(kChunkSize));
  next = chunks[index].get();
  end = next + kChunkSize;
}

// Each entry used is made anew in its place: destroying it releases what it
// holds, and entries never used are left alone.
template <class T>
void ParseArena::Pool<T>::Clear() {
  std::size_t left = used;
  for (auto chunk = chunks.begin(); left != 0; ++chunk) {
    const std::size_t count = std::min(left, kChunkSize);
    for (T* item = chunk->get(); item != chunk->get() + count; ++item) {
      std::destroy_at(item);
      std::construct_at(item);
    }
    left -= count;
  }
  used = 0;
  next = end = nullptr;
}

Expr* ParseArena::NewExpr() {
  return exprs_.Next();
}

ArrayInitializer* ParseArena::NewArrayInitializer() {
  return initializers_.Next();
}

Orv::ArgumentExpressionList* ParseArena::NewArgumentList() {
  auto* slot = lists_.Next();
  *slot = new Orv::ArgumentExpressionList();
  return slot->get();
}

const char* ParseArena::Keep(std::string_view text) {
  return texts_.Keep(text);
}

const AddressWord* ParseArena::Keep(const AddressWord& address) {
  AddressWord* kept = addresses_.Next();
  *kept = address;
  return kept;
}

const char* ParseArena::TextStore::Keep(std::string_view text) {
  const std::size_t needed = text.size() + 1;
  if (filling_ == blocks_.size() || blocks_[filling_].size - used_ < needed) [[unlikely]]
    MoveToRoomFor(needed);
  char* kept = blocks_[filling_].characters.get() + used_;
  *std::copy(text.begin(), text.end(), kept) = '\0';
  used_ += needed;
  return kept;
}

// A text longer than what is left of a block goes to the next block with
// room for it, a new one when no block has.
void ParseArena::TextStore::MoveToRoomFor(std::size_t needed) {
  while (filling_ < blocks_.size() && blocks_[filling_].size - used_ < needed) {
    ++filling_;
    used_ = 0;
  }
  if (filling_ == blocks_.size()) {
    const std::size_t size = std::max(kBlockSize, needed);
    blocks_.push_back({std::make_unique_for_overwrite<char[]>(size), size});
  }
}

void ParseArena::TextStore::Clear() {
  filling_ = 0;
  used_ = 0;
}

void ParseArena::Clear() {
  rParameters = {};
  exprs_.Clear();
  initializers_.Clear();
  lists_.Clear();
  addresses_.Clear();
  texts_.Clear();
}

}  // namespace Velkor::OrvTessan
