#pragma once

#include "platform/ui/Types.h"

#include <QAbstractScrollArea>

// The framework's scroll-bar choice of a text control, as Qt's policies of its scroll area.
inline void ApplyScrollStyle(QAbstractScrollArea& area, TScrollStyle style) {
    auto policy = [](bool on) { return on ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff; };
    area.setVerticalScrollBarPolicy(policy(style == ssVertical || style == ssBoth));
    area.setHorizontalScrollBarPolicy(policy(style == ssHorizontal || style == ssBoth));
}
