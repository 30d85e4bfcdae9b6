// Argument expressions of a statement being parsed: positional and named.
#include "orv/arguments.h"

namespace Velkor::Orv {

ArgumentExpressionList::ArgumentExpressionList() = default;
ArgumentExpressionList::~ArgumentExpressionList() = default;

void ArgumentExpressionList::AddListArgument(INCObjectExpression* argument) {
  list_.emplace_back(argument);
}

void ArgumentExpressionList::PrependListArgument(INCObjectExpression* argument) {
  list_.emplace(list_.begin(), argument);
}

TResult ArgumentExpressionList::ReplaceListArgument(std::int32_t index, INCObjectExpression* argument) {
  if (index < 0 || index >= GetArgumentListSize()) return 1;
  list_[static_cast<std::size_t>(index)] = argument;
  return ORV_SUCCESS;
}

std::int32_t ArgumentExpressionList::GetArgumentListSize() const {
  return static_cast<std::int32_t>(list_.size());
}

TResult ArgumentExpressionList::GetListArgument(std::int32_t index, SmartPointer<INCObjectExpression>& argument) const {
  if (index < 0 || index >= GetArgumentListSize()) return 1;
  argument = list_[static_cast<std::size_t>(index)];
  return ORV_SUCCESS;
}

ArgumentExpressionList::NamedArgument& ArgumentExpressionList::Named(std::size_t index) {
  return index < kInlineNamedArguments ? inlineNamed_[index] : furtherNamed_[index - kInlineNamedArguments];
}

const ArgumentExpressionList::NamedArgument& ArgumentExpressionList::Named(std::size_t index) const {
  return index < kInlineNamedArguments ? inlineNamed_[index] : furtherNamed_[index - kInlineNamedArguments];
}

void ArgumentExpressionList::RegisterMapArgument(const String& name, INCObjectExpression* argument) {
  for (std::size_t index = 0; index < namedCount_; ++index) {
    NamedArgument& named = Named(index);
    if (named.name == name) {
      named.argument = argument;
      return;
    }
  }
  // Made in place: the name is copied once.
  NamedArgument& named = namedCount_ < kInlineNamedArguments ? inlineNamed_[namedCount_] : furtherNamed_.emplace_back();
  named.name = name;
  named.argument = argument;
  ++namedCount_;
}

std::int32_t ArgumentExpressionList::GetMapArgumentCount() const {
  return static_cast<std::int32_t>(namedCount_);
}

TResult ArgumentExpressionList::GetMapArgument(std::int32_t index, String& name,
                                               SmartPointer<INCObjectExpression>& argument) const {
  if (index < 0 || index >= GetMapArgumentCount()) return 1;
  const NamedArgument& named = Named(static_cast<std::size_t>(index));
  name = named.name;
  argument = named.argument;
  return ORV_SUCCESS;
}

TResult ArgumentExpressionList::ViewMapArgument(std::int32_t index, const String*& name,
                                                INCObjectExpression*& argument) const {
  if (index < 0 || index >= GetMapArgumentCount()) return 1;
  const NamedArgument& named = Named(static_cast<std::size_t>(index));
  name = &named.name;
  argument = named.argument.get();
  return ORV_SUCCESS;
}

}  // namespace Velkor::Orv
