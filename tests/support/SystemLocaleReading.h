#pragma once

#include "platform/ui/BiDiMode.h"

// Sets whether the system locale reads right to left (a Middle East locale) for one test, and
// puts the machine's own setting back after it.
class SystemLocaleReading {
public:
    explicit SystemLocaleReading(bool MiddleEast) { SetSysLocaleMiddleEast(MiddleEast); }
    ~SystemLocaleReading() { SetSysLocaleMiddleEast(FSaved); }
    SystemLocaleReading(const SystemLocaleReading&) = delete;
    SystemLocaleReading& operator=(const SystemLocaleReading&) = delete;

private:
    bool FSaved = SysLocaleMiddleEast();
};
