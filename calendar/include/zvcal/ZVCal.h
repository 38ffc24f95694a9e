#pragma once

// Everything a host of the ZORVCalendar controls includes.
#include "zvcal/ZVCalDispIds.h"
#include "zvcal/ZVCalEnums.h"
#include "zvcal/ZVCalExports.h"
#include "zvcal/ZVCalIds.h"
#include "zvcal/ZVCalInterfaces.h"

#include "platform/com/ControlSite.h"
#include "platform/com/Dispatch.h"
#include "platform/com/HResult.h"
#include "platform/com/TypeInfo.h"
#include "platform/com/Unknown.h"
#include "platform/com/Variant.h"
