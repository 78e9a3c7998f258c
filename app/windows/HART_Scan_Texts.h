#pragma once

#include "devicelink/UHART_Thread.h"

// The scan worker's status texts from the current language list; taken on the UI thread when
// the worker is made, so the worker never reads the list while the UI thread may change it.
THART_Scan_Texts HART_Scan_Texts();
