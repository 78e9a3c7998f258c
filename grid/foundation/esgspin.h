#pragma once

// The spin edit unit: the edit with arrow buttons, the arrow pair and its repeating arrows.
#include "grid/foundation/EsgSpinButton.h"
#include "grid/foundation/EsgSpinEdit.h"
#include "grid/foundation/ExTimerSpeedButton.h"
