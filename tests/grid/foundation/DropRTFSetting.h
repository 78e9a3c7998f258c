#pragma once

#include "grid/foundation/DropFormats.h"

// Sets the process-wide RTF setting of drags for one test and puts it back after.
class DropRTFSetting {
public:
    explicit DropRTFSetting(bool enabled) : FSaved(DropRTFEnabled()) { SetDropRTFEnabled(enabled); }
    ~DropRTFSetting() { SetDropRTFEnabled(FSaved); }
    DropRTFSetting(const DropRTFSetting&) = delete;
    DropRTFSetting& operator=(const DropRTFSetting&) = delete;

private:
    bool FSaved;
};
