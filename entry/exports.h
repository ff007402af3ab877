// Every export of the module, for a host that wants them all; each area's header declares its
// own (entry/exports_<area>.h), see export_result.h for the result type.
#pragma once

#include "entry/exports_dimstyle.h"
#include "entry/exports_geotol_combined.h"
#include "entry/exports_geotol_single.h"
#include "entry/exports_rough.h"
#include "entry/exports_toller.h"
#include "entry/exports_weld.h"
