#include "controller/argument_fetch.h"

#include "plugin/messages.h"

namespace Velkor::OrvTessan {

using Orv::SmartPointer;

namespace {

template <class T>
using ValueReading = Orv::TResult (Orv::INCValue::*)(T&) const;

template <class T>
bool FetchReading(const Arguments& arguments, std::int32_t position, ValueReading<T> read, T& result, Report& report) {
  const auto value = FetchValueArgument(arguments, position, report);
  if (!value) return false;
  if ((value.get()->*read)(result) != Orv::ORV_SUCCESS) return report.Fail(kWrongArgumentType);
  return true;
}

template <class T>
SmartPointer<T> FetchArgumentAs(const Arguments& arguments, std::int32_t position, Report& report) {
  const auto object = FetchObjectArgument(arguments, position, report);
  if (!object) return nullptr;
  auto typed = Orv::DynamicPointerCast<T>(object);
  if (!typed) report.Fail(kWrongArgumentCount);
  return typed;
}

}  // namespace

std::int32_t ArgumentCount(const Arguments& arguments) {
  return arguments ? arguments->GetArgumentCount() : 0;
}

bool HasArgument(const Arguments& arguments, std::int32_t position) {
  SmartPointer<Orv::INCObject> argument;
  return arguments && arguments->GetArgument(position, argument) == Orv::ORV_SUCCESS && argument;
}

SmartPointer<Orv::INCObject> FetchObjectArgument(const Arguments& arguments, std::int32_t position, Report& report) {
  SmartPointer<Orv::INCObject> argument;
  if (!arguments || arguments->GetArgument(position, argument) != Orv::ORV_SUCCESS || !argument) {
    report.Fail(kWrongArgumentCount);
    return nullptr;
  }
  return argument;
}

SmartPointer<Orv::INCValue> FetchValueArgument(const Arguments& arguments, std::int32_t position, Report& report) {
  return FetchArgumentAs<Orv::INCValue>(arguments, position, report);
}

SmartPointer<Orv::INCStruct> FetchStructArgument(const Arguments& arguments, std::int32_t position, Report& report) {
  return FetchArgumentAs<Orv::INCStruct>(arguments, position, report);
}

bool FetchMatrixArgument(const Arguments& arguments, std::int32_t position, Orv::Matrix& matrix, Report& report) {
  if (arguments && arguments->GetMatrixArgument(position, matrix) == Orv::ORV_SUCCESS) return true;
  return report.Fail(kWrongArgumentCount);
}

bool FetchString(const Arguments& arguments, std::int32_t position, Orv::String& text, Report& report) {
  return FetchReading(arguments, position, &Orv::INCValue::GetString, text, report);
}

bool FetchReal(const Arguments& arguments, std::int32_t position, double& number, Report& report) {
  return FetchReading(arguments, position, &Orv::INCValue::GetReal, number, report);
}

bool FetchInteger(const Arguments& arguments, std::int32_t position, std::int32_t& number, Report& report) {
  return FetchReading(arguments, position, &Orv::INCValue::GetInteger, number, report);
}

bool FetchBool(const Arguments& arguments, std::int32_t position, bool& truth, Report& report) {
  return FetchReading(arguments, position, &Orv::INCValue::GetBool, truth, report);
}

}  // namespace Velkor::OrvTessan
