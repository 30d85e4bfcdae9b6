// Host engine: argument containers. An ArgumentTable holds the evaluated
// arguments of a command or method call; an ArgumentExpressionList holds the
// argument expressions of a statement while it is being parsed.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "orv/expressions.h"
#include "orv/matrix.h"

namespace Velkor::Orv {

class ORV_API ArgumentTable : public RefObject {
 public:
  ~ArgumentTable() override;
  virtual std::int32_t GetArgumentCount() const = 0;
  // Fails outside 0 to count - 1; an omitted argument is found as null.
  virtual TResult GetArgument(std::int32_t index, SmartPointer<INCObject>& argument) const = 0;
  // The matrix carried by a reference value.
  virtual TResult GetMatrixArgument(std::int32_t index, Matrix& matrix) const = 0;
};

// Positional (list) and named (map) argument expressions; an absent argument
// is a null expression.
class ORV_API ArgumentExpressionList final : public RefObject {
 public:
  ArgumentExpressionList();
  ~ArgumentExpressionList() override;

  void AddListArgument(INCObjectExpression* argument);
  void PrependListArgument(INCObjectExpression* argument);
  TResult ReplaceListArgument(std::int32_t index, INCObjectExpression* argument);
  std::int32_t GetArgumentListSize() const;
  TResult GetListArgument(std::int32_t index, SmartPointer<INCObjectExpression>& argument) const;

  // Registers a named argument; a name registered again keeps its place.
  void RegisterMapArgument(const String& name, INCObjectExpression* argument);
  std::int32_t GetMapArgumentCount() const;
  TResult GetMapArgument(std::int32_t index, String& name, SmartPointer<INCObjectExpression>& argument) const;
  // The same without copies, for a reader that only looks: the name and the
  // expression stay the list's own, valid while the list is unchanged.
  TResult ViewMapArgument(std::int32_t index, const String*& name, INCObjectExpression*& argument) const;

 private:
  struct NamedArgument {
    String name;
    SmartPointer<INCObjectExpression> argument;
  };
  // Most statements name at most two arguments (an address word its Value
  // and Flag): those stay in the list itself, any further ones behind it.
  static constexpr std::size_t kInlineNamedArguments = 2;
  NamedArgument& Named(std::size_t index);
  const NamedArgument& Named(std::size_t index) const;

  std::vector<SmartPointer<INCObjectExpression>> list_;
  std::array<NamedArgument, kInlineNamedArguments> inlineNamed_;
  std::vector<NamedArgument> furtherNamed_;
  std::size_t namedCount_ = 0;
};

}  // namespace Velkor::Orv
