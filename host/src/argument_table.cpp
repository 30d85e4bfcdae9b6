// The evaluated arguments of a command or method call.
#include "orvref/argument_table.h"

namespace Velkor::OrvReference {
namespace {

constexpr Orv::TResult kRefused = 1;

class EvaluatedArguments final : public Orv::ArgumentTable {
 public:
  explicit EvaluatedArguments(std::vector<Orv::SmartPointer<Orv::INCObject>> arguments)
      : arguments_(std::move(arguments)) {}

  std::int32_t GetArgumentCount() const override { return static_cast<std::int32_t>(arguments_.size()); }

  Orv::TResult GetArgument(std::int32_t index, Orv::SmartPointer<Orv::INCObject>& argument) const override {
    if (index < 0 || index >= GetArgumentCount()) return kRefused;
    argument = arguments_[static_cast<std::size_t>(index)];
    return Orv::ORV_SUCCESS;
  }

  // The argument must be a reference value that carries a matrix.
  Orv::TResult GetMatrixArgument(std::int32_t index, Orv::Matrix& matrix) const override {
    Orv::SmartPointer<Orv::INCObject> argument;
    if (GetArgument(index, argument) != Orv::ORV_SUCCESS) return kRefused;
    const auto* reference = dynamic_cast<const Orv::INCValue*>(argument.get());
    Orv::SmartPointer<Orv::INCObject> carried;
    if (reference == nullptr || reference->GetReferencedObject(carried) != Orv::ORV_SUCCESS) return kRefused;
    const auto* carriedMatrix = dynamic_cast<const Orv::NCMCLMatrix*>(carried.get());
    if (carriedMatrix == nullptr) return kRefused;
    matrix = carriedMatrix->GetMatrix();
    return Orv::ORV_SUCCESS;
  }

 private:
  std::vector<Orv::SmartPointer<Orv::INCObject>> arguments_;
};

}  // namespace

Orv::SmartPointer<Orv::ArgumentTable> MakeArgumentTable(std::vector<Orv::SmartPointer<Orv::INCObject>> arguments) {
  return new EvaluatedArguments(std::move(arguments));
}

}  // namespace Velkor::OrvReference
