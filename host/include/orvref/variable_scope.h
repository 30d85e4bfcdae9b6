// Reference host: the variables of a channel by name, holding their live
// values. Channel variables live for the whole run; a running subprogram has
// a local frame of its own, which hides the locals of its caller.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "orv/base.h"
#include "orv/context.h"
#include "orv/expressions.h"
#include "orv/types.h"
#include "orv/values.h"

namespace Velkor::OrvReference {

class ExecutionContext;

class VariableScope final : public Orv::IVariableScope {
 public:
  struct Variable {
    enum class Kind { kScalar, kArray, kStruct };
    Kind kind;
    // Null for an array declared without a type (an array parameter): such
    // an array has no elements until a call binds one.
    Orv::SmartPointer<Orv::INCType> type;
    Orv::SmartPointer<Orv::INCObject> value;
    // A scalar passed by reference: what it reads and writes instead of a
    // value of its own.
    Orv::SmartPointer<Orv::INCLValue> reference;
  };

  // The frame of the channel variables; local frames follow it.
  static constexpr std::size_t kChannelFrame = 0;

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

  void SetScopeSwitchA(bool on) override { switches_.a = on; }
  void SetScopeSwitchB(bool on) override { switches_.b = on; }
  void SetScopeSwitchC(bool on) override { switches_.c = on; }

  // Declarations; a name declared again in the same frame is declared anew,
  // whatever it was. A local declaration goes into the innermost local
  // frame, or among the channel variables while there is none. A scalar of
  // a type code starts at the type's default.
  Orv::TResult DeclareScalar(const Orv::String& name, std::int32_t typeCode, bool local = false);
  Orv::TResult DeclareScalar(const Orv::String& name, Orv::INCValue* value, bool local = false);
  Orv::TResult DeclareArray(const Orv::String& name, Orv::INCArrayType* type, bool local = false);
  Orv::TResult DeclareStruct(const Orv::String& name, Orv::INCStructType* type, bool local = false);

  // Parameters of the innermost local frame, declared before: a scalar that
  // reads and writes `target`, or an array or structure that is `value`
  // itself (by reference) or a copy of it (by value). False when the name is
  // no local of that kind or the value is none of it.
  bool BindScalar(const Orv::String& name, Orv::SmartPointer<Orv::INCLValue> target);
  bool BindObject(const Orv::String& name, Orv::INCObject* value, bool copy);

  // A subprogram starts and ends: its locals appear and vanish.
  void EnterLocalFrame();
  void LeaveLocalFrame();
  std::size_t FrameCount() const { return frames_.size(); }

  // The variable a name denotes now: the innermost local frame first, then
  // the channel variables.
  const Variable* Find(const Orv::String& name) const;
  // The frame in which Find finds the name.
  std::optional<std::size_t> FrameOf(const Orv::String& name) const;
  // The variable of that name in one frame only.
  const Variable* FindIn(std::size_t frame, const Orv::String& name) const;
  // Stores a copy converted to the scalar's type, in the frame given or
  // where the name is visible; false for an undeclared scalar, a scalar
  // passed by reference, or a value that does not fit it.
  bool AssignScalar(const Orv::String& name, Orv::INCValue* value, std::optional<std::size_t> frame = std::nullopt);

  // A digest of the names visible now with their kinds and types: what a
  // parse of a block depends on. Equal digests mean equal declarations.
  std::uint64_t Signature() const;

  // A host that runs one program after another on the channel starts each
  // from the variables as they were set up: KeepAsSetup() takes the channel
  // variables, with copies of their values, and the switches as they are
  // now; ResetToSetup() leaves every local frame, drops the variables
  // declared since and gives the others copies of the values kept.
  void KeepAsSetup();
  void ResetToSetup();

  std::optional<bool> scopeSwitchA() const { return switches_.a; }
  std::optional<bool> scopeSwitchB() const { return switches_.b; }
  std::optional<bool> scopeSwitchC() const { return switches_.c; }

 private:
  // Names ordered by length first: a lookup passes names mostly of other
  // lengths, which the lengths alone settle, and names are short, so that
  // their characters are compared here rather than by a call. Nothing reads
  // the frames in name order.
  struct NameOrder {
    bool operator()(const Orv::String& a, const Orv::String& b) const noexcept {
      if (a.size() != b.size()) return a.size() < b.size();
      for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i]) return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[i]);
      }
      return false;
    }
  };

  struct Frame {
    using Variables = std::map<Orv::String, Variable, NameOrder>;
    Variables variables;
    // The digests of the entries combined; see Signature().
    std::uint64_t signature = 0;
  };

  struct Switches {
    std::optional<bool> a;
    std::optional<bool> b;
    std::optional<bool> c;
  };

  // The frame with copies of the values that a program can change.
  static Frame CopiedFrame(const Frame& frame);
  // The entry of that name in one frame; null when there is none.
  const Frame::Variables::value_type* EntryIn(std::size_t frame, const Orv::String& name) const;
  // Forgets the last name found: after a declaration or a change of frames
  // the name may denote another variable.
  void ForgetLastFound() { lastFound_ = nullptr; }
  Orv::TResult Check(const Orv::String& name, Variable::Kind kind) const;
  const Variable* Find(const Orv::String& name, Variable::Kind kind) const;
  Variable* FindLocal(const Orv::String& name, Variable::Kind kind);
  Orv::TResult Declare(const Orv::String& name, Variable variable, bool local);
  // Puts `variable` in place of what `name` was in `frame`, keeping the
  // frame's digest.
  void Replace(Frame& frame, const Orv::String& name, Variable& entry, Variable variable);

  ExecutionContext& context_;
  std::vector<Frame> frames_;
  Switches switches_;
  Frame setup_;
  Switches setupSwitches_;
  // The entry Find found last: a reference in a block asks about its name
  // several times in a row (a scalar? an array? its declared type?). Map
  // entries stay where they are, and what changes one in place is seen
  // through the pointer.
  mutable const Frame::Variables::value_type* lastFound_ = nullptr;
};

}  // namespace Velkor::OrvReference
