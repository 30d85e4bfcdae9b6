#include "parser/parse_arena.h"

#include <algorithm>

namespace Velkor::OrvTessan {

template <class T>
T* ParseArena::Pool<T>::Next() {
  if (used == items.size()) items.emplace_back();
  return &items[used++];
}

template <class T>
void ParseArena::Pool<T>::Clear() {
  std::for_each_n(items.begin(), used, [](T& item) { item = T(); });
  used = 0;
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
  std::string* slot = texts_.Next();
  slot->assign(text);
  return slot->c_str();
}

void ParseArena::Clear() {
  rParameters = {};
  exprs_.Clear();
  initializers_.Clear();
  lists_.Clear();
  texts_.Clear();
}

}  // namespace Velkor::OrvTessan
