// Texts are indexed from 0. GETT and INTERSEC read the tool and contour
// tables of a real machine, which this host does not have: they fail.
#include "evaluation/host_functions.h"

#include <algorithm>
#include <array>
#include <climits>
#include <string>

#include "evaluation/equality.h"
#include "orvref/execution_context.h"
#include "values/basic_value.h"

namespace Velkor::OrvReference {
namespace {

using Orv::SmartPointer;

bool Count(Evaluation& evaluation, const ArgumentValues& arguments, std::size_t least, std::size_t most,
           const char* name) {
  return (arguments.size() >= least && arguments.size() <= most) ||
         evaluation.Fail(std::string(name) + " was called with a wrong number of arguments.");
}

bool TextArgument(Evaluation& evaluation, const ArgumentValues& arguments, std::size_t position, Orv::String& text) {
  const auto* value = dynamic_cast<const BasicValue*>(arguments[position].get());
  const bool isText = value && (value->code() == Orv::BasicType::String || value->code() == Orv::BasicType::Char);
  return (isText && value->GetString(text) == Orv::ORV_SUCCESS) ||
         evaluation.Fail("Argument " + std::to_string(position + 1) + " must be a text.");
}

bool IntegerArgument(Evaluation& evaluation, const ArgumentValues& arguments, std::size_t position,
                     std::int32_t& integer) {
  const auto* value = dynamic_cast<const Orv::INCValue*>(arguments[position].get());
  return (value && value->GetInteger(integer) == Orv::ORV_SUCCESS) ||
         evaluation.Fail("Argument " + std::to_string(position + 1) + " must be an integer.");
}

bool Give(SmartPointer<BasicValue> value, SmartPointer<Orv::INCObject>& result) {
  result = std::move(value);
  return true;
}

bool Substring(Evaluation& evaluation, const ArgumentValues& arguments, SmartPointer<Orv::INCObject>& result) {
  Orv::String text;
  std::int32_t start = 0;
  std::int32_t length = 0;
  if (!Count(evaluation, arguments, 2, 3, "SUBSTR") || !TextArgument(evaluation, arguments, 0, text) ||
      !IntegerArgument(evaluation, arguments, 1, start)) {
    return false;
  }
  if (start < 0 || static_cast<std::size_t>(start) > text.size()) {
    return evaluation.Fail("SUBSTR: the position lies outside the text.");
  }
  std::size_t count = Orv::String::npos;
  if (arguments.size() == 3) {
    if (!IntegerArgument(evaluation, arguments, 2, length)) return false;
    if (length < 0) return evaluation.Fail("SUBSTR: the length must not be negative.");
    count = static_cast<std::size_t>(length);
  }
  return Give(BasicValue::Text(text.substr(static_cast<std::size_t>(start), count)), result);
}

bool TextLength(Evaluation& evaluation, const ArgumentValues& arguments, SmartPointer<Orv::INCObject>& result) {
  Orv::String text;
  return Count(evaluation, arguments, 1, 1, "STRLEN") && TextArgument(evaluation, arguments, 0, text) &&
         Give(BasicValue::Int(static_cast<std::int32_t>(text.size())), result);
}

bool IsEqualObject(Evaluation& evaluation, const ArgumentValues& arguments, SmartPointer<Orv::INCObject>& result) {
  return Count(evaluation, arguments, 2, 2, "IsEqualObject") &&
         Give(BasicValue::Bool(EqualObjects(arguments[0].get(), arguments[1].get())), result);
}

// The axis index of the channel's geometry axis at `position`, or -1.
std::int32_t GeometryAxisIndex(Evaluation& evaluation, int position) {
  const Channel& channel = evaluation.context()->channel();
  const Orv::String names[] = {channel.GetGeometryAxisName1(), channel.GetGeometryAxisName2(),
                               channel.GetGeometryAxisName3()};
  std::int32_t index = -1;
  if (names[position].empty() || channel.GetAxisIndex(names[position], index) != Orv::ORV_SUCCESS) return -1;
  return index;
}

template <int position>
bool DefaultGeometryAxis(Evaluation& evaluation, const ArgumentValues& arguments,
                         SmartPointer<Orv::INCObject>& result) {
  return Count(evaluation, arguments, 0, 0, "GetDefault*GeoAxis") &&
         Give(BasicValue::Int(GeometryAxisIndex(evaluation, position)), result);
}

bool Index(Evaluation& evaluation, const ArgumentValues& arguments, SmartPointer<Orv::INCObject>& result) {
  Orv::String text, sought;
  if (!Count(evaluation, arguments, 2, 2, "INDEX") || !TextArgument(evaluation, arguments, 0, text) ||
      !TextArgument(evaluation, arguments, 1, sought)) {
    return false;
  }
  const std::size_t found = text.find(sought);
  return Give(BasicValue::Int(found == Orv::String::npos ? -1 : static_cast<std::int32_t>(found)), result);
}

// Whether the channel has its first, second or third geometry axis.
bool IsAxis(Evaluation& evaluation, const ArgumentValues& arguments, SmartPointer<Orv::INCObject>& result) {
  std::int32_t number = 0;
  if (!Count(evaluation, arguments, 1, 1, "ISAXIS") || !IntegerArgument(evaluation, arguments, 0, number)) {
    return false;
  }
  const bool present = number >= 1 && number <= 3 && GeometryAxisIndex(evaluation, number - 1) >= 0;
  return Give(BasicValue::Bool(present), result);
}

// Whether the channel's program store holds a program of that name.
bool IsFile(Evaluation& evaluation, const ArgumentValues& arguments, SmartPointer<Orv::INCObject>& result) {
  Orv::String name;
  if (!Count(evaluation, arguments, 1, 1, "ISFILE") || !TextArgument(evaluation, arguments, 0, name)) return false;
  const bool held = evaluation.context()->channel().programs().HasProgramNamed(std::string(name.data(), name.size()));
  return Give(BasicValue::Bool(held), result);
}

bool ToolTable(Evaluation& evaluation, const ArgumentValues&, SmartPointer<Orv::INCObject>&) {
  return evaluation.Fail("GETT reads the tool tables of a machine; the reference host has none.");
}

bool ContourTable(Evaluation& evaluation, const ArgumentValues&, SmartPointer<Orv::INCObject>&) {
  return evaluation.Fail("INTERSEC reads the contour tables of a machine; the reference host has none.");
}

namespace Code = Orv::BasicType;

constexpr HostFunction kHostFunctions[] = {
    {"SUBSTR", Code::String, Substring},
    {"STRLEN", Code::Int, TextLength},
    {"INTERSEC", Code::Bool, ContourTable},
    {"IsEqualObject", Code::Bool, IsEqualObject},
    {"GetDefaultXGeoAxis", Code::Int, DefaultGeometryAxis<0>},
    {"GetDefaultYGeoAxis", Code::Int, DefaultGeometryAxis<1>},
    {"GetDefaultZGeoAxis", Code::Int, DefaultGeometryAxis<2>},
    {"INDEX", Code::Int, Index},
    {"ISAXIS", Code::Bool, IsAxis},
    {"ISFILE", Code::Bool, IsFile},
    {"GETT", Code::Int, ToolTable},
};

// The first characters of the names above: most names asked about are
// variables, refused here without comparing names.
constexpr auto kInitials = [] {
  std::array<bool, 1U << CHAR_BIT> initials{};
  for (const HostFunction& function : kHostFunctions)
    initials[static_cast<unsigned char>(function.name.front())] = true;
  return initials;
}();

}  // namespace

const HostFunction* FindHostFunction(const Orv::String& name) {
  const std::string_view wanted(name.data(), name.size());
  if (wanted.empty() || !kInitials[static_cast<unsigned char>(wanted.front())]) return nullptr;
  const auto found = std::find_if(std::begin(kHostFunctions), std::end(kHostFunctions),
                                  [wanted](const HostFunction& function) { return wanted == function.name; });
  return found == std::end(kHostFunctions) ? nullptr : found;
}

}  // namespace Velkor::OrvReference
