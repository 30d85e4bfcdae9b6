#include "parser/parser_types.h"

namespace Velkor::OrvTessan {

std::int32_t ParserToHostType(std::int32_t parserType) {
  switch (parserType) {
    case kRealType:
      return Orv::BasicType::Real;
    case kBoolType:
      return Orv::BasicType::Bool;
    case kCharType:
      return Orv::BasicType::Char;
    case kStringType:
      return Orv::BasicType::String;
    default:
      return Orv::BasicType::Int;
  }
}

std::int32_t HostToParserType(std::int32_t hostType) {
  switch (hostType) {
    case Orv::BasicType::Bool:
      return kBoolType;
    case Orv::BasicType::Char:
      return kCharType;
    case Orv::BasicType::Real:
      return kRealType;
    case Orv::BasicType::String:
      return kStringType;
    default:
      return kIntType;  // INT, the second real kind and anything unknown
  }
}

void Expr::DropReferenceParts() {
  lvalue.reset();
  variable.reset();
  firstIndex.reset();
  secondIndex.reset();
}

}  // namespace Velkor::OrvTessan
