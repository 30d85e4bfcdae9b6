#include "argument_maker.h"

#include <cstring>
#include <string>

namespace Velkor::Fuzz {
namespace {

using Orv::SmartPointer;
using Object = SmartPointer<Orv::INCObject>;

const char* const kMemberNames[] = {"TR",   "RT",        "SC",         "MI",      "FI",     "Offsets",
                                    "Name", "nStartPos", "szProgPath", "CenterX", "CenterY"};
const std::int32_t kBasicTypes[] = {Orv::BasicType::Bool,  Orv::BasicType::Char,   Orv::BasicType::Int,
                                    Orv::BasicType::Real,  Orv::BasicType::String, Orv::BasicType::Real3,
                                    Orv::BasicType::Object};
// Names the commands and methods look up: variables (declared when picked),
// axes, frame components, transformations and subprograms of the channel.
const char* const kKnownNames[] = {"FUZZ_FRAME", "FUZZ_FRAMES", "X",  "Y",    "Z",    "A",     "TR", "RT",
                                   "SC",         "MI",          "FI", "BASE", "FUZZ", "OTHER", "$R"};

}  // namespace

std::uint8_t ArgumentMaker::Byte() {
  if (size_ == 0) return 0;
  --size_;
  return *data_++;
}

template <class T>
T ArgumentMaker::Raw() {
  T value{};
  const std::size_t taken = std::min(sizeof value, size_);
  std::memcpy(&value, data_, taken);
  data_ += taken;
  size_ -= taken;
  return value;
}

std::vector<Object> ArgumentMaker::Arguments() {
  std::vector<Object> arguments;
  while (size_ > 0 && arguments.size() < 8) arguments.push_back(Next());
  return arguments;
}

SmartPointer<Orv::INCBasicType> ArgumentMaker::BasicType() {
  SmartPointer<Orv::INCBasicType> type;
  channel_.context.GetValueFactory()->GetBasicType(kBasicTypes[Byte() % std::size(kBasicTypes)], type);
  return type;
}

Object ArgumentMaker::Structure(const char* typeName) {
  SmartPointer<Orv::INCType> type;
  channel_.context.GetTypeRegistry()->FindType(typeName, type);
  SmartPointer<Orv::INCStruct> value;
  if (auto* structType = dynamic_cast<Orv::INCStructType*>(type.get())) structType->CreateValue(value);
  return value;
}

SmartPointer<Orv::INCType> ArgumentMaker::ElementType() {
  const std::uint8_t choice = Byte() % 4;
  SmartPointer<Orv::INCType> type;
  if (choice == 1 || choice == 2) {
    channel_.context.GetTypeRegistry()->FindType(choice == 1 ? "FRAME" : "AXIS", type);
  } else if (choice == 3) {
    const std::int32_t size = 2;
    SmartPointer<Orv::INCArrayType> arrayType;
    channel_.context.GetArrayTypeFactory()->CreateArrayType(BasicType().get(), 1, &size, false, true, arrayType);
    type = arrayType;
  }
  if (!type) type = BasicType();
  return type;
}

Object ArgumentMaker::Array() {
  std::int32_t sizes[2] = {Byte() % 6, Byte() % 4 + 1};
  const std::int32_t dimensions = Byte() % 2 + 1;
  SmartPointer<Orv::INCArrayType> type;
  channel_.context.GetArrayTypeFactory()->CreateArrayType(ElementType().get(), dimensions, sizes, false, true, type);
  Object value;
  if (type) type->CreateValue(value);
  return value;
}

Object ArgumentMaker::KnownName() {
  const char* name = kKnownNames[Byte() % std::size(kKnownNames)];
  SmartPointer<Orv::INCType> frame;
  channel_.context.GetTypeRegistry()->FindType("FRAME", frame);
  if (auto* frameType = dynamic_cast<Orv::INCStructType*>(frame.get())) {
    OrvReference::VariableScope& scope = channel_.context.scope();
    if (std::strcmp(name, "FUZZ_FRAME") == 0) scope.DeclareStruct(name, frameType);
    if (std::strcmp(name, "FUZZ_FRAMES") == 0) {
      const std::int32_t sizes[2] = {3, 2};
      SmartPointer<Orv::INCArrayType> frames;
      channel_.context.GetArrayTypeFactory()->CreateArrayType(frameType, Byte() % 2 + 1, sizes, false, true, frames);
      if (frames) scope.DeclareArray(name, frames.get());
    }
  }
  SmartPointer<Orv::INCValue> value;
  channel_.context.GetValueFactory()->CreateStringValue(name, value);
  return value;
}

Object ArgumentMaker::MadeUpStructure() {
  std::vector<Orv::StructMemberDeclaration> members;
  std::vector<SmartPointer<Orv::INCBasicType>> types;
  for (int count = Byte() % 4 + 1; count > 0; --count) {
    types.push_back(BasicType());
    members.push_back({types.back().get(), kMemberNames[Byte() % std::size(kMemberNames)]});
  }
  SmartPointer<Orv::INCStructType> type;
  channel_.context.GetStructTypeFactory()->CreateStructType(static_cast<std::int32_t>(members.size()), members.data(),
                                                            0, type);
  SmartPointer<Orv::INCStruct> value;
  if (type) type->CreateValue(value);
  return value;
}

Object ArgumentMaker::Next() {
  Orv::IValueFactory& values = *channel_.context.GetValueFactory();
  SmartPointer<Orv::INCValue> value;
  switch (Byte() % 12) {
    case 0:
      return nullptr;
    case 1:
      values.CreateIntValue(Raw<std::int32_t>(), value);
      return value;
    case 2:
      values.CreateRealValue(Raw<double>(), value);
      return value;
    case 3:
      values.CreateBoolValue(Byte() % 2 == 1, value);
      return value;
    case 4: {
      const std::size_t length = std::min<std::size_t>(Byte() % 32, size_);
      values.CreateStringValue(Orv::String(reinterpret_cast<const char*>(data_), length), value);
      data_ += length;
      size_ -= length;
      return value;
    }
    case 5: {
      Orv::Matrix matrix;
      for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) matrix(row, column) = Raw<double>();
      }
      const SmartPointer<Orv::NCMCLMatrix> carried(new Orv::NCMCLMatrix(matrix));
      values.CreateReferenceValue(carried.get(), value);
      return value;
    }
    case 6:
      return Structure("FRAME");
    case 7:
      return Structure("AXIS");
    case 8: {
      const std::string name = "FUZZ_FRAME" + std::to_string(frameVariables_++);
      SmartPointer<Orv::INCType> type;
      channel_.context.GetTypeRegistry()->FindType("FRAME", type);
      auto* frameType = dynamic_cast<Orv::INCStructType*>(type.get());
      SmartPointer<Orv::INCStruct> frame;
      if (frameType && channel_.context.scope().DeclareStruct(name.c_str(), frameType) == Orv::ORV_SUCCESS) {
        channel_.context.scope().GetStructVariable(name.c_str(), frame);
      }
      return frame;
    }
    case 9:
      return Array();
    case 10:
      return MadeUpStructure();
    default:
      return KnownName();
  }
}

}  // namespace Velkor::Fuzz
