// Out-of-line destructors of the host interfaces: their vtables and type
// information live here, in the host, once.
#include "orv/arguments.h"
#include "orv/base.h"
#include "orv/channel.h"
#include "orv/context.h"
#include "orv/expressions.h"
#include "orv/factories.h"
#include "orv/matrix.h"
#include "orv/plugin.h"
#include "orv/types.h"
#include "orv/values.h"

namespace Velkor::Orv {

INCType::~INCType() = default;
INCBasicType::~INCBasicType() = default;
INCArrayType::~INCArrayType() = default;
INCStructType::~INCStructType() = default;
INCObject::~INCObject() = default;
INCObjectValue::~INCObjectValue() = default;
INCValue::~INCValue() = default;
INCArray::~INCArray() = default;
IUpdateHandle::~IUpdateHandle() = default;
INCStruct::~INCStruct() = default;
INCObjectExpression::~INCObjectExpression() = default;
INCExpression::~INCExpression() = default;
INCLValue::~INCLValue() = default;
INCStructExpression::~INCStructExpression() = default;
ArgumentTable::~ArgumentTable() = default;
IValueFactory::~IValueFactory() = default;
IExpressionFactory::~IExpressionFactory() = default;
ILValueFactory::~ILValueFactory() = default;
IMethodCallFactory::~IMethodCallFactory() = default;
IArrayTypeFactory::~IArrayTypeFactory() = default;
IStructTypeFactory::~IStructTypeFactory() = default;
IProgramText::~IProgramText() = default;
IProgramStore::~IProgramStore() = default;
IChannel::~IChannel() = default;
ITypeRegistry::~ITypeRegistry() = default;
IVariableScope::~IVariableScope() = default;
IExecutionContext::~IExecutionContext() = default;
IParseContext::~IParseContext() = default;
IProgramParser::~IProgramParser() = default;
ICommandMapper::~ICommandMapper() = default;
IMethodMapper::~IMethodMapper() = default;
IControllerState::~IControllerState() = default;

}  // namespace Velkor::Orv
