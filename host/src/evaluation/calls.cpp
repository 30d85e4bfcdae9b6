#include "evaluation/calls.h"

#include "evaluation/host_functions.h"
#include "orvref/argument_table.h"
#include "orvref/execution_context.h"

namespace Velkor::OrvReference {

using Orv::SmartPointer;

namespace {

bool CallMethod(Evaluation& evaluation, Orv::IMethodMapper& mapper, const Orv::String& name, ArgumentValues arguments,
                SmartPointer<Orv::INCObject>& value) {
  std::uint32_t status = 0;
  Orv::String message;
  if (mapper.EvaluateMethod(name, MakeArgumentTable(std::move(arguments)), evaluation.context(), value, status,
                            message) == Orv::ORV_SUCCESS) {
    return true;
  }
  value.reset();
  return evaluation.Fail(message.empty() ? "The method failed without a message." : std::string(message.c_str()));
}

}  // namespace

bool CallByName(Evaluation& evaluation, const Orv::String& name, const ExpressionList& arguments,
                SmartPointer<Orv::INCObject>& value) {
  const std::string quoted = "'" + std::string(name.data(), name.size()) + "'";
  ExecutionContext* context = evaluation.context();
  if (context == nullptr) return evaluation.Fail("The call of " + quoted + " has no value before the program runs.");
  ArgumentValues values;
  for (const auto& argument : arguments) {
    values.emplace_back();
    if (!ComputeNode(evaluation, argument.get(), values.back())) return false;
  }
  if (const HostFunction* function = FindHostFunction(name)) return function->call(evaluation, values, value);
  Orv::IMethodMapper* mapper = context->methodMapper();
  if (mapper && mapper->IsMethod(name)) return CallMethod(evaluation, *mapper, name, std::move(values), value);
  return evaluation.Fail("Unknown function " + quoted + ".");
}

}  // namespace Velkor::OrvReference
