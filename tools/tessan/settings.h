// The values of --set options.
#pragma once

#include <string>

#include "orv/base.h"
#include "orv/factories.h"
#include "orv/values.h"

namespace Velkor::Tessan {

// TRUE or FALSE gives a BOOL, an integer an INT, a number with a point or an
// exponent a REAL, a text in double quotes a STRING (as it stands between
// them). Null for anything else, and for a number its type cannot hold,
// with the reason in `error`.
Orv::SmartPointer<Orv::INCValue> SettingValue(Orv::IValueFactory& values, const std::string& text, std::string& error);

}  // namespace Velkor::Tessan
