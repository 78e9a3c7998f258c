#pragma once

#include "platform/ui/Colors.h"
#include "platform/ui/Object.h"

enum TBackGroundDisplay { bdTile, bdFixed, bdGradientHorz, bdGradientVert };
enum TBackGroundCells { bcNormal, bcFixed, bcAll };

// A picture or gradient behind the cells.
class TBackGround : public TObject {
public:
    void Assign(const TObject* Source) {
        if (const auto* source = dynamic_cast<const TBackGround*>(Source)) {
            Display = source->Display;
            Cells = source->Cells;
            ColorTo = source->ColorTo;
        }
    }
    bool IsGradient() const { return Display == bdGradientHorz || Display == bdGradientVert; }

    TBackGroundDisplay Display = bdTile;
    TBackGroundCells Cells = bcNormal;
    TColor ColorTo = clNone;
};
