#include "grid/stringgrid/GridProgressAppearance.h"

void TGridProgressAppearance::Assign(const TObject* Source) {
    const auto* source = dynamic_cast<const TGridProgressAppearance*>(Source);
    if (!source)
        return;
    FCompleteColor = source->FCompleteColor;
    FCompleteFontColor = source->FCompleteFontColor;
    FUnCompleteColor = source->FUnCompleteColor;
    FUnCompleteFontColor = source->FUnCompleteFontColor;
    FLevel0Color = source->FLevel0Color;
    FLevel0ColorTo = source->FLevel0ColorTo;
    FLevel1Color = source->FLevel1Color;
    FLevel1ColorTo = source->FLevel1ColorTo;
    FLevel2Color = source->FLevel2Color;
    FLevel2ColorTo = source->FLevel2ColorTo;
    FLevel3Color = source->FLevel3Color;
    FLevel3ColorTo = source->FLevel3ColorTo;
    FLevel1Perc = source->FLevel1Perc;
    FLevel2Perc = source->FLevel2Perc;
    FBorderColor = source->FBorderColor;
    FShowBorder = source->FShowBorder;
    FStacked = source->FStacked;
    FShowPercentage = source->FShowPercentage;
    FCompletionSmooth = source->FCompletionSmooth;
    FShowGradient = source->FShowGradient;
    FSteps = source->FSteps;
    FStyle = source->FStyle;
    FireEvent(OnChange, this);
}
