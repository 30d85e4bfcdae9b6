// Per-parse storage for the values on the parser stack. Grammar symbols refer
// to arena entries by plain pointer; clearing the arena at the end of a parse
// releases every host reference the parse still holds, whatever path the
// parse took.
#pragma once

#include <deque>
#include <string>
#include <string_view>

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

  void Clear();

 private:
  template <class T>
  struct Pool {
    std::deque<T> items;
    std::size_t used = 0;
    T* Next();
    void Clear();
  };
  Pool<Expr> exprs_;
  Pool<ArrayInitializer> initializers_;
  Pool<Orv::SmartPointer<Orv::ArgumentExpressionList>> lists_;
  Pool<std::string> texts_;
};

}  // namespace Velkor::OrvTessan
