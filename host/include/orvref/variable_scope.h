// Reference host: the variables of a channel by name, holding their live
// values.
#pragma once

#include <orv/context.h>

#include <map>
#include <optional>

namespace Velkor::OrvReference {

class ExecutionContext;

class VariableScope final : public Orv::IVariableScope {
 public:
  struct Variable {
    enum class Kind { kScalar, kArray, kStruct };
    Kind kind;
    // Null for an array declared without a type (an array parameter): such
    // an array has no elements until a call would bind one.
    Orv::SmartPointer<Orv::INCType> type;
    Orv::SmartPointer<Orv::INCObject> value;
  };

  // Scalars are handed out as assignable nodes of `context`.
  explicit VariableScope(ExecutionContext& context);
  ~VariableScope() override;

  Orv::TResult GetScalarVariable(const Orv::String& name, Orv::SmartPointer<Orv::INCLValue>& variable) override;
  Orv::TResult CheckScalarVariable(const Orv::String& name) override { return Check(name, Variable::Kind::kScalar); }
  Orv::TResult GetArrayVariable(const Orv::String& name, Orv::SmartPointer<Orv::INCArray>& array) override;
  Orv::TResult CheckArrayVariable(const Orv::String& name) override { return Check(name, Variable::Kind::kArray); }
  Orv::TResult GetStructVariable(const Orv::String& name, Orv::SmartPointer<Orv::INCStruct>& structure) override;
  Orv::TResult CheckStructVariable(const Orv::String& name) override { return Check(name, Variable::Kind::kStruct); }
  // This host knows no other kind of variable.
  Orv::TResult CheckOtherVariable(const Orv::String&) override { return 1; }

  void SetScopeSwitchA(bool on) override { switchA_ = on; }
  void SetScopeSwitchB(bool on) override { switchB_ = on; }
  void SetScopeSwitchC(bool on) override { switchC_ = on; }

  // Declarations; a name declared again is declared anew, whatever it was.
  // A scalar of a type code starts at the type's default.
  Orv::TResult DeclareScalar(const Orv::String& name, std::int32_t typeCode);
  Orv::TResult DeclareScalar(const Orv::String& name, Orv::INCValue* value);
  Orv::TResult DeclareArray(const Orv::String& name, Orv::INCArrayType* type);
  Orv::TResult DeclareStruct(const Orv::String& name, Orv::INCStructType* type);

  const Variable* Find(const Orv::String& name) const;
  // Stores a copy converted to the scalar's type; false for an undeclared
  // scalar or a value that does not fit it.
  bool AssignScalar(const Orv::String& name, Orv::INCValue* value);

  std::optional<bool> scopeSwitchA() const { return switchA_; }
  std::optional<bool> scopeSwitchB() const { return switchB_; }
  std::optional<bool> scopeSwitchC() const { return switchC_; }

 private:
  Orv::TResult Check(const Orv::String& name, Variable::Kind kind) const;
  const Variable* Find(const Orv::String& name, Variable::Kind kind) const;

  ExecutionContext& context_;
  std::map<Orv::String, Variable> variables_;
  std::optional<bool> switchA_;
  std::optional<bool> switchB_;
  std::optional<bool> switchC_;
};

}  // namespace Velkor::OrvReference
