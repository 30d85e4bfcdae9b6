#include "evaluation/equality.h"

#include "evaluation/operators.h"
#include "orv/matrix.h"
#include "values/array_value.h"
#include "values/struct_value.h"

namespace Velkor::OrvReference {

using Orv::SmartPointer;

namespace {

bool EqualLists(const std::vector<SmartPointer<Orv::INCObject>>& left,
                const std::vector<SmartPointer<Orv::INCObject>>& right) {
  if (left.size() != right.size()) return false;
  for (std::size_t i = 0; i < left.size(); ++i) {
    if (!EqualObjects(left[i].get(), right[i].get())) return false;
  }
  return true;
}

bool EqualBasic(const BasicValue& left, const BasicValue& right) {
  if (left.code() == Orv::BasicType::Object && right.code() == Orv::BasicType::Object) {
    return EqualObjects(std::get<SmartPointer<Orv::INCObject>>(left.payload()).get(),
                        std::get<SmartPointer<Orv::INCObject>>(right.payload()).get());
  }
  return EqualValues(left, right);
}

bool EqualMatrices(const Orv::Matrix& left, const Orv::Matrix& right) {
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) {
      if (left(row, column) != right(row, column)) return false;
    }
  }
  return true;
}

}  // namespace

bool EqualObjects(const Orv::INCObject* left, const Orv::INCObject* right) {
  if (left == right) return true;
  if (left == nullptr || right == nullptr) return false;
  if (const auto* leftValue = dynamic_cast<const BasicValue*>(left)) {
    const auto* rightValue = dynamic_cast<const BasicValue*>(right);
    return rightValue && EqualBasic(*leftValue, *rightValue);
  }
  if (const auto* leftStruct = dynamic_cast<const StructValue*>(left)) {
    const auto* rightStruct = dynamic_cast<const StructValue*>(right);
    return rightStruct && &leftStruct->type() == &rightStruct->type() &&
           EqualLists(leftStruct->members(), rightStruct->members());
  }
  if (const auto* leftArray = dynamic_cast<const ArrayValue*>(left)) {
    const auto* rightArray = dynamic_cast<const ArrayValue*>(right);
    return rightArray && leftArray->type().sizes() == rightArray->type().sizes() &&
           EqualLists(leftArray->elements(), rightArray->elements());
  }
  if (const auto* leftMatrix = dynamic_cast<const Orv::NCMCLMatrix*>(left)) {
    const auto* rightMatrix = dynamic_cast<const Orv::NCMCLMatrix*>(right);
    return rightMatrix && EqualMatrices(leftMatrix->GetMatrix(), rightMatrix->GetMatrix());
  }
  return false;
}

}  // namespace Velkor::OrvReference
