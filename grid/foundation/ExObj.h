#pragma once

// The shared grid vocabulary in one include: types, events, containers and option groups.

#include "grid/foundation/Bands.h"
#include "grid/foundation/ControlList.h"
#include "grid/foundation/ExStringGridCheck.h"
#include "grid/foundation/FilePicture.h"
#include "grid/foundation/FileStringList.h"
#include "grid/foundation/FocusHelper.h"
#include "grid/foundation/GridEvents.h"
#include "grid/foundation/GridTypes.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/foundation/SearchFooter.h"
#include "grid/foundation/SortIndexList.h"
#include "grid/foundation/SyncGrid.h"
