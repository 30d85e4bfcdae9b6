#include "parser/actions/statement_support.h"

#include "parser/actions/action_support.h"

namespace Velkor::OrvTessan {

using Orv::SmartPointer;

void RegisterNamedArguments(Orv::ArgumentExpressionList& list, std::initializer_list<NamedArgument> arguments) {
  for (const NamedArgument& argument : arguments) {
    list.RegisterMapArgument(argument.name, argument.expression.get());
  }
}

SmartPointer<Orv::ArgumentExpressionList> NamedArguments(std::initializer_list<NamedArgument> arguments) {
  SmartPointer<Orv::ArgumentExpressionList> list = NewArgumentList();
  RegisterNamedArguments(*list, arguments);
  return list;
}

void AppendCommand(ParseSession& session, std::string_view name, Orv::ArgumentExpressionList* arguments,
                   std::int32_t flag) {
  session.context->AddCommand(HostText(name), arguments, flag);
}

bool TextKnownAtParseTime(const ExpressionRef& expression, Orv::String& text) {
  Orv::INCExpression* computable = AsExpression(expression);
  if (computable == nullptr) return false;
  SmartPointer<Orv::INCValue> value;
  return computable->Evaluate(value) == Orv::ORV_SUCCESS && value && value->GetString(text) == Orv::ORV_SUCCESS;
}

}  // namespace Velkor::OrvTessan
