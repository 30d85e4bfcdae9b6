// Host engine: everything a plug-in sees of the host.
#pragma once

#include "orv/arguments.h"
#include "orv/base.h"
#include "orv/channel.h"
#include "orv/context.h"
#include "orv/expressions.h"
#include "orv/factories.h"
#include "orv/matrix.h"
#include "orv/plugin.h"
#include "orv/string_util.h"
#include "orv/types.h"
#include "orv/values.h"
