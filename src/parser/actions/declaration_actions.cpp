#include "parser/actions/declaration_actions.h"

#include "parser/actions/action_support.h"
#include "parser/actions/statement_support.h"

namespace Velkor::OrvTessan {

using Orv::SmartPointer;

namespace {

// A machine datum that widens unqualified declarations of a single-program
// channel to the channel.
constexpr std::string_view kExtendedScopeDatum = "$MN_LUD_EXTENDED_SCOPE";

bool ExtendedScopeEnabled(HostObjects& host) {
  const Orv::String datum = HostText(kExtendedScopeDatum);
  if (host.scope->CheckScalarVariable(datum) != Orv::ORV_SUCCESS) return false;
  SmartPointer<Orv::INCLValue> variable;
  SmartPointer<Orv::INCValue> value;
  bool enabled = false;
  return host.scope->GetScalarVariable(datum, variable) == Orv::ORV_SUCCESS && variable &&
         variable->GetValue(value) == Orv::ORV_SUCCESS && value && value->GetBool(enabled) == Orv::ORV_SUCCESS &&
         enabled;
}

bool IsStructureType(std::int32_t typeCode) {
  return typeCode == kAxisType || typeCode == kFrameType;
}

bool ChannelRunsOneProgram(HostObjects& host) {
  Orv::IProgramStore* store = host.channel->GetProgramStore();
  return store != nullptr && store->GetProgramCount(host.channel->GetProgramKey()) == 1;
}

SmartPointer<Orv::INCType> ElementType(ParseSession& session, std::int32_t typeCode) {
  HostObjects& host = session.host();
  if (IsStructureType(typeCode)) {
    SmartPointer<Orv::INCType> structure;
    if (Orv::ITypeRegistry* registry = host.executionContext->GetTypeRegistry()) {
      registry->FindType(typeCode == kAxisType ? "AXIS" : "FRAME", structure);
    }
    return structure;
  }
  SmartPointer<Orv::INCBasicType> basic;
  host.values->GetBasicType(ParserToHostType(typeCode), basic);
  return basic;
}

// The initial value of a scalar is an ordinary assignment after its
// declaration. A value of the other kind (a structure for a number, or the
// reverse) cannot be assigned and is dropped; the declaration stands.
void AssignInitialValue(ParseSession& session, std::string_view name, std::int32_t typeCode,
                        const ExpressionRef& value) {
  HostObjects& host = session.host();
  ExpressionRef target;
  if (IsStructureType(typeCode)) {
    host.methodCalls->CreateStructVariableExpression(HostText(name), target);
    Orv::INCStructExpression* structureTarget = AsStructExpression(target);
    Orv::INCStructExpression* structureValue = AsStructExpression(value);
    if (structureTarget && structureValue) session.context->AddStructAssignment(structureTarget, structureValue);
    return;
  }
  host.expressions->CreateVariableExpression(HostText(name), target);
  auto* assignable = AsLValue(target);
  Orv::INCExpression* basicValue = AsExpression(value);
  if (assignable && basicValue) session.context->AddAssignment(assignable, basicValue);
}

// Declares an array of the current DEF's type with one or two dimensions and
// hands its initial values to "AssignArray": the array, its first indexes,
// the list-mode flag, then the values.
void DeclareArrayOfSizes(ParseSession& session, const char* name, std::initializer_list<std::int32_t> sizes,
                         ArrayInitializer& initializer) {
  HostObjects& host = session.host();
  const StatementState& declaration = session.state.statement;
  SmartPointer<Orv::INCArrayType> arrayType;
  host.arrayTypes->CreateArrayType(ElementType(session, declaration.declarationType).get(),
                                   static_cast<std::int32_t>(sizes.size()), sizes.begin(), false, true, arrayType);
  const ExpressionRef nameConstant = StringConstant(session, name);
  session.context->DeclareArrayVariable(AsExpression(nameConstant), arrayType.get(), declaration.declarationScope);
  if (!initializer.values) return;

  ExpressionRef array;
  host.lvalues->CreateArrayExpression(HostText(name), array);
  Orv::ArgumentExpressionList& values = *initializer.values;
  values.PrependListArgument(BoolConstant(session, initializer.listMode).get());
  values.PrependListArgument(sizes.size() == 2 ? IntConstant(session, 0).get() : nullptr);
  values.PrependListArgument(IntConstant(session, 0).get());
  values.PrependListArgument(array.get());
  session.context->AddInternalCommand("AssignArray", &values);
}

}  // namespace

std::int32_t UnqualifiedScope(ParseSession& session) {
  HostObjects& host = session.host();
  if (host.channel == nullptr || host.scope == nullptr) return kLocalScope;
  return ChannelRunsOneProgram(host) && ExtendedScopeEnabled(host) ? kChannelScope : kLocalScope;
}

void BeginDeclaration(ParseSession& session, std::int32_t scope, std::int32_t typeCode) {
  StatementState& declaration = session.state.statement;
  declaration.declarationScope = scope;
  declaration.declarationType = typeCode;
}

void DeclareVariableOfType(ParseSession& session, const SmartPointer<Orv::INCObjectExpression>& name,
                           std::int32_t typeCode, std::int32_t scope) {
  HostObjects& host = session.host();
  Orv::INCExpression* nameExpression = AsExpression(name);
  switch (typeCode) {
    case kAxisType:
      session.context->DeclareStructVariable(nameExpression, host.axisType.get(), scope);
      break;
    case kFrameType:
      session.context->DeclareStructVariable(nameExpression, host.frameType.get(), scope);
      break;
    default:
      session.context->DeclareVariable(nameExpression, ParserToHostType(typeCode), scope, nullptr);
  }
}

bool DeclareScalar(ParseSession& session, const char* name, Expr* initialValue) {
  const StatementState& declaration = session.state.statement;
  DeclareVariableOfType(session, StringConstant(session, name), declaration.declarationType,
                        declaration.declarationScope);
  if (initialValue->expression) {
    AssignInitialValue(session, name, declaration.declarationType, initialValue->expression);
  }
  return true;
}

bool DeclareArray(ParseSession& session, const char* name, std::int32_t size, ArrayInitializer* initializer) {
  DeclareArrayOfSizes(session, name, {size}, *initializer);
  return true;
}

bool DeclareTwoDimensionalArray(ParseSession& session, const char* name, std::int32_t rows, std::int32_t columns,
                                ArrayInitializer* initializer) {
  if (session.state.statement.declarationType == kStringType) return Refuse(session);
  DeclareArrayOfSizes(session, name, {rows, columns}, *initializer);
  return true;
}

bool Redeclare(ParseSession& session, const char* name) {
  AppendCommand(session, "REDEF", NamedArguments({{"Value", StringConstant(session, name)}}).get(), 1);
  return true;
}

ArrayInitializer* ListInitializer(ParseSession& session, Orv::ArgumentExpressionList* values) {
  ArrayInitializer* initializer = session.arena().NewArrayInitializer();
  initializer->listMode = true;
  initializer->values = values;
  return initializer;
}

ArrayInitializer* RepeatInitializer(ParseSession& session, Expr* value) {
  ArrayInitializer* initializer = session.arena().NewArrayInitializer();
  initializer->listMode = false;
  initializer->values = NewArgumentList();
  initializer->values->AddListArgument(value->expression.get());
  return initializer;
}

}  // namespace Velkor::OrvTessan
