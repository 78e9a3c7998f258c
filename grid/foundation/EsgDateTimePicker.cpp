#include "grid/foundation/EsgDateTimePicker.h"

#include "grid/foundation/ComponentVersion.h"

// Starts with no border style and the sunken look (Ctl3D on), the styled picker's defaults.
TEsgDateTimePicker::TEsgDateTimePicker(TComponent* AOwner)
    : TStyledDateTimePicker(AOwner, clNone) {}

std::string TEsgDateTimePicker::Version() const {
    return ComponentVersionText(0x01000000);
}
