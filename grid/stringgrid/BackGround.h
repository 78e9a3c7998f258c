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
            Top = source->Top;
            Left = source->Left;
            Display = source->Display;
            Cells = source->Cells;
            Color = source->Color;
            ColorTo = source->ColorTo;
        }
    }
    bool IsGradient() const { return Display == bdGradientHorz || Display == bdGradientVert; }

    int Top = 0; // where a placed picture stands, in client coordinates
    int Left = 0;
    TBackGroundDisplay Display = bdTile;
    TBackGroundCells Cells = bcNormal;
    TColor Color = clNone;
    TColor ColorTo = clNone;
};
