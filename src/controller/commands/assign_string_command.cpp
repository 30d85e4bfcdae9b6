// AssignString: replaces the character at a zero-based position of a string
// variable by a text, which may be empty or longer than one character.
#include "controller/argument_fetch.h"
#include "controller/commands/command_support.h"
#include "controller/commands/commands.h"
#include "plugin/messages.h"

namespace Velkor::OrvTessan {

using Orv::SmartPointer;

bool AssignStringCommand::Execute(Arguments arguments, Orv::IChannel* channel, std::uint32_t& status,
                                  Orv::String& message) {
  Report report(status, message);
  const auto reference = FetchValueArgument(arguments, 0, report);
  if (!reference) return false;
  SmartPointer<Orv::INCObject> target;
  if (reference->GetReferencedObject(target) != Orv::ORV_SUCCESS) return report.Fail(kWrongArgumentType);
  const auto variable = Orv::DynamicPointerCast<Orv::INCLValue>(target);
  if (!variable) return report.Fail(kWrongArgumentType);
  std::int32_t position = 0;
  Orv::String replacement;
  if (!FetchInteger(arguments, 1, position, report) || !FetchString(arguments, 2, replacement, report)) return false;

  SmartPointer<Orv::INCValue> current;
  Orv::String text;
  if (variable->GetValue(current) != Orv::ORV_SUCCESS || !current || current->GetString(text) != Orv::ORV_SUCCESS) {
    return report.Fail(kWrongArgumentType);
  }
  // Only a character that exists can be replaced.
  if (position < 0 || static_cast<std::size_t>(position) >= text.size()) return report.Fail(kWrongArgumentType);
  const auto at = static_cast<std::size_t>(position);
  text.replace(at, 1, replacement);

  const auto factory = ChannelValueFactory(*channel);
  SmartPointer<Orv::INCValue> result;
  if (!factory || factory->CreateStringValue(text, result) != Orv::ORV_SUCCESS || !result) {
    return report.FailQuietly();
  }
  if (variable->Assign(result.get()) != Orv::ORV_SUCCESS) return report.FailQuietly();
  return true;
}

}  // namespace Velkor::OrvTessan
