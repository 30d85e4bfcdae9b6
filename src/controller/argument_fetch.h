// Typed access to the evaluated arguments of a command or method call, by
// zero-based position. A missing or unsuitable argument fails through the
// caller's report: message 1 when the argument cannot be fetched as the
// needed kind of object, message 2 when a value has no reading of the needed
// type. A missing table counts as one without arguments.
#pragma once

#include "controller/report.h"
#include "orv/arguments.h"
#include "orv/base.h"
#include "orv/matrix.h"
#include "orv/values.h"

namespace Velkor::OrvTessan {

using Arguments = Orv::SmartPointer<Orv::ArgumentTable>;

std::int32_t ArgumentCount(const Arguments& arguments);

// Whether the argument exists and is not null (an omitted argument is null).
bool HasArgument(const Arguments& arguments, std::int32_t position);

// The argument as an object, value or structure; null after a failure.
Orv::SmartPointer<Orv::INCObject> FetchObjectArgument(const Arguments& arguments, std::int32_t position,
                                                      Report& report);
Orv::SmartPointer<Orv::INCValue> FetchValueArgument(const Arguments& arguments, std::int32_t position, Report& report);
Orv::SmartPointer<Orv::INCStruct> FetchStructArgument(const Arguments& arguments, std::int32_t position,
                                                      Report& report);
bool FetchMatrixArgument(const Arguments& arguments, std::int32_t position, Orv::Matrix& matrix, Report& report);

// A value argument read as text, real, integer or truth value.
bool FetchString(const Arguments& arguments, std::int32_t position, Orv::String& text, Report& report);
bool FetchReal(const Arguments& arguments, std::int32_t position, double& number, Report& report);
bool FetchInteger(const Arguments& arguments, std::int32_t position, std::int32_t& number, Report& report);
bool FetchBool(const Arguments& arguments, std::int32_t position, bool& truth, Report& report);

}  // namespace Velkor::OrvTessan
