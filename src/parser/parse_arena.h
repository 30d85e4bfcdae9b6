// Per-parse storage for the values on the parser stack and for the host
// objects a parse makes once and reuses. Grammar symbols refer to arena
// entries by plain pointer; clearing the arena at the end of a parse releases
// every host reference the parse still holds, whatever path the parse took.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "orv/arguments.h"
#include "orv/base.h"
#include "parser/parser_types.h"

namespace Velkor::OrvTessan {

class ParseArena {
 public:
  Expr* NewExpr();
  ArrayInitializer* NewArrayInitializer();
  // A new empty list, kept alive until the arena is cleared.
  Orv::ArgumentExpressionList* NewArgumentList();
  // A zero-terminated copy of the text, alive until the arena is cleared.
  const char* Keep(std::string_view text);
  // A copy of an address token, alive until the arena is cleared: the
  // parser's stack holds it by pointer, so that its values stay one word.
  const AddressWord* Keep(const AddressWord& address);

  // An array a parse resolved once, as the base of the elements it names:
  // the array's expression and the parser type of its elements.
  struct ResolvedArray {
    Orv::SmartPointer<Orv::INCObjectExpression> array;
    std::int32_t elementType = kIntType;
  };
  // The R-parameter array: what $R names stays the same for a whole parse.
  ResolvedArray rParameters;

  void Clear();

 private:
  // Entries in chunks that never move; an entry is found by a shift and a
  // mask of its number.
  template <class T>
  struct Pool {
    static constexpr std::size_t kChunkSize = 64;
    std::vector<std::unique_ptr<T[]>> chunks;
    std::size_t used = 0;
    // The free part of the chunk being filled.
    T* next = nullptr;
    T* end = nullptr;

    T* Next() {
      if (next == end) NextChunk();
      ++used;
      return next++;
    }
    // Moves on to the chunk after the one filled, made when there is none.
    void NextChunk();
    void Clear();
  };
  // Texts back to back in blocks of characters that never move; cleared,
  // it keeps its blocks for the next parse.
  class TextStore {
   public:
    const char* Keep(std::string_view text);
    void Clear();

   private:
    static constexpr std::size_t kBlockSize = 1024;
    // Out of line: a block's room runs out once in many texts.
    [[gnu::noinline]] void MoveToRoomFor(std::size_t needed);
    struct Block {
      std::unique_ptr<char[]> characters;
      std::size_t size;
    };
    std::vector<Block> blocks_;
    std::size_t filling_ = 0;  // the block the next text goes to
    std::size_t used_ = 0;     // characters of it in use
  };

  Pool<Expr> exprs_;
  Pool<ArrayInitializer> initializers_;
  Pool<Orv::SmartPointer<Orv::ArgumentExpressionList>> lists_;
  Pool<AddressWord> addresses_;
  TextStore texts_;
};

}  // namespace Velkor::OrvTessan
