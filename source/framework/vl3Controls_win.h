// The controls of the Windows form layer: the control base and containers,
// the simple controls, the lists and the timer, for units that use them all.
#pragma once

#include "vl3ControlBase_win.h"
#include "vl3ListControls_win.h"
#include "vl3SimpleControls_win.h"
#include "vl3Timer_win.h"
