// AssignArray: fills an array of one or two dimensions from a start position,
// either with the listed values one after the other (list mode) or with the
// first value repeated up to the array's end. An omitted value stands for the
// element type's default.
#include "controller/argument_fetch.h"
#include "controller/commands/command_support.h"
#include "controller/commands/commands.h"
#include "controller/commands/default_value.h"
#include "plugin/messages.h"

namespace Velkor::OrvTessan {

using Orv::SmartPointer;

namespace {

constexpr std::int32_t kFirstValuePosition = 4;

// The element the next value goes to. Two-dimensional arrays are filled row
// by row: the second index runs fastest.
class Cursor {
 public:
  Cursor(std::int32_t row, std::int32_t column, std::int32_t rows, std::int32_t columns)
      : indices_{row, column}, rows_(rows), columns_(columns) {}

  bool TwoDimensional() const { return indices_[1] != -1; }
  bool Inside() const {
    const bool rowInside = indices_[0] >= 0 && indices_[0] < rows_;
    return rowInside && (!TwoDimensional() || (indices_[1] >= 0 && indices_[1] < columns_));
  }
  std::int32_t DimensionCount() const { return TwoDimensional() ? 2 : 1; }
  const std::int32_t* Indices() const { return indices_; }

  void Advance() {
    if (!TwoDimensional()) {
      ++indices_[0];
    } else if (++indices_[1] == columns_) {
      indices_[1] = 0;
      ++indices_[0];
    }
  }

 private:
  std::int32_t indices_[2];
  std::int32_t rows_;
  std::int32_t columns_;
};

// The argument at `position`, or the element default when it was omitted.
SmartPointer<Orv::INCObject> FetchElementValue(const Arguments& arguments, std::int32_t position,
                                               const Orv::INCType& elementType, Orv::IChannel& channel,
                                               Report& report) {
  SmartPointer<Orv::INCObject> value;
  if (arguments->GetArgument(position, value) != Orv::ORV_SUCCESS) {
    report.Fail(kWrongArgumentCount);
    return nullptr;
  }
  if (value) return value;
  const auto factory = ChannelValueFactory(channel);
  if (factory) value = CreateDefaultValue(elementType, *factory);
  if (!value) report.Fail(kWrongArgumentType);
  return value;
}

}  // namespace

bool AssignArrayCommand::Execute(Arguments arguments, Orv::IChannel* channel, std::uint32_t& status,
                                 Orv::String& message) {
  Report report(status, message);
  const auto argument = FetchObjectArgument(arguments, 0, report);
  if (!argument) return false;
  const auto array = Orv::DynamicPointerCast<Orv::INCArray>(argument);
  if (!array) return report.Fail(kWrongArgumentType);
  std::int32_t row = 0, column = -1;
  bool listMode = false;
  if (!FetchInteger(arguments, 1, row, report)) return false;
  if (HasArgument(arguments, 2) && !FetchInteger(arguments, 2, column, report)) return false;
  if (!FetchBool(arguments, 3, listMode, report)) return false;

  SmartPointer<Orv::INCType> type;
  array->GetType(type);
  const auto arrayType = Orv::DynamicPointerCast<Orv::INCArrayType>(type);
  if (!arrayType) return report.Fail(kWrongArgumentType);
  const std::int32_t dimensions = arrayType->GetDimensionCount();
  if (dimensions > 2 || (dimensions == 2 && column == -1)) return report.Fail(kWrongArgumentType);
  const std::int32_t columns = column == -1 ? 0 : arrayType->GetDimensionSize(1);
  Cursor cursor(row, column, arrayType->GetDimensionSize(0), columns);
  SmartPointer<Orv::INCType> elementType;
  if (arrayType->GetElementType(elementType) != Orv::ORV_SUCCESS || !elementType) {
    return report.Fail(kWrongArgumentType);
  }

  const std::int32_t count = ArgumentCount(arguments);
  for (std::int32_t position = kFirstValuePosition; position < count;) {
    // Repeat mode fills up to the end; only a list may not fit.
    if (!cursor.Inside()) return listMode ? report.Fail(kArrayBoundsExceeded) : true;
    const auto value = FetchElementValue(arguments, position, *elementType, *channel, report);
    if (!value) return false;
    // The array refuses a value it cannot hold.
    if (array->SetElement(cursor.DimensionCount(), cursor.Indices(), value.get()) != Orv::ORV_SUCCESS) {
      return report.Fail(kWrongArgumentType);
    }
    cursor.Advance();
    if (listMode) ++position;
  }
  return true;
}

}  // namespace Velkor::OrvTessan
