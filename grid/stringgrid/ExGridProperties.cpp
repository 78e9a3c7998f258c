// Property writes of the grid frame: store, then repaint or pass on what depends on the value.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/Bands.h"
#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/FocusHelper.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/foundation/SearchFooter.h"
#include "grid/foundation/ThemeNotifier.h"
#include "grid/stringgrid/BackGround.h"
#include "grid/stringgrid/BalloonSettings.h"
#include "grid/stringgrid/DragScrollOptions.h"
#include "grid/stringgrid/GridProgressAppearance.h"
#include "grid/stringgrid/ShowModified.h"
#include "grid/stringgrid/SortSettings.h"
#include "platform/core/StringList.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Font.h"
#include "platform/ui/InplaceEdit.h"

#include <algorithm>

template <typename T> void TExStringGrid::SetAndInvalidate(T& Field, T Value) {
    Field = Value;
    Invalidate();
}

template <typename T> void TExStringGrid::SetChangedAndInvalidate(T& Field, T Value) {
    if (Field == Value)
        return;
    Field = Value;
    Invalidate();
}

void TExStringGrid::SetShowDesignHelper(bool Value) {
    SetChangedAndInvalidate(FShowDesignHelper, Value);
}

void TExStringGrid::SetHighlightColor(TColor Value) {
    if (FHighlightColor == Value)
        return;
    FHighlightColor = Value;
    SetHighlightColors(FHighlightColor, FHighlightTextColor);
    Invalidate();
}

void TExStringGrid::SetHighlightTextColor(TColor Value) {
    if (FHighlightTextColor == Value)
        return;
    FHighlightTextColor = Value;
    SetHighlightColors(FHighlightColor, FHighlightTextColor);
    Invalidate();
}

void TExStringGrid::SetURLColor(TColor Value) {
    if (FURLColor == Value)
        return;
    FURLColor = Value;
    if (URLShow())
        Invalidate();
}

void TExStringGrid::SetURLShow(bool Value) {
    SetChangedAndInvalidate(FURLShow, Value);
}

void TExStringGrid::SetURLShowInText(bool Value) {
    SetChangedAndInvalidate(FURLShowInText, Value);
}

void TExStringGrid::SetActiveCellShow(bool Value) {
    SetAndInvalidate(FActiveCellShow, Value);
}

void TExStringGrid::SetActiveCellColor(TColor Value) {
    SetAndInvalidate(FActiveCellColor, Value);
}

void TExStringGrid::SetActiveCellColorTo(TColor Value) {
    SetAndInvalidate(FActiveCellColorTo, Value);
}

void TExStringGrid::SetXYOffset(TPoint Value) {
    FXYOffset = Value;
    Invalidate();
}

void TExStringGrid::SetSelectionColor(TColor Value) {
    SetChangedAndInvalidate(FSelectionColor, Value);
}

void TExStringGrid::SetSelectionColorTo(TColor Value) {
    SetChangedAndInvalidate(FSelectionColorTo, Value);
}

void TExStringGrid::SetSelectionMirrorColor(TColor Value) {
    SetChangedAndInvalidate(FSelectionMirrorColor, Value);
}

void TExStringGrid::SetSelectionMirrorColorTo(TColor Value) {
    SetChangedAndInvalidate(FSelectionMirrorColorTo, Value);
}

void TExStringGrid::SetSelectionTextColor(TColor Value) {
    SetChangedAndInvalidate(FSelectionTextColor, Value);
}

void TExStringGrid::SetSelectionColorMixer(bool Value) {
    SetChangedAndInvalidate(FSelectionColorMixer, Value);
}

void TExStringGrid::SetSelectionColorMixerFactor(int Value) {
    SetChangedAndInvalidate(FSelectionColorMixerFactor, std::clamp(Value, 0, 100));
}

void TExStringGrid::SetSelectionRectangle(bool Value) {
    SetChangedAndInvalidate(FSelectionRectangle, Value);
}

void TExStringGrid::SetSelectionResizer(bool Value) {
    SetChangedAndInvalidate(FSelectionResizer, Value);
}

void TExStringGrid::SetShowSelection(bool Value) {
    if (FShowSelection == Value)
        return;
    FShowSelection = Value;
    FShowSel = Value;
    Invalidate();
}

void TExStringGrid::SetMaxEditLength(int Value) {
    FMaxEditLength = Value;
    if (InplaceEditor())
        InplaceEditor()->SetMaxLength(Value);
}

// Whatever the value, the grid behaves as a spreadsheet from then on.
void TExStringGrid::SetSpreadSheet(bool Value) {
    FSpreadSheet = Value;
    FSelectionRectangle = true;
    FSelectionResizer = true;
    FNavigation->AllowSmartClipboard = true;
    SetOptions(Options() + TGridOptions{goRangeSelect, goEditing});
    FMouseActions->RangeSelectAndEdit = true;
    Invalidate();
}

void TExStringGrid::SetAutoSize(bool Value) {
    FAutoSize = Value;
    if (Value && !Loading())
        AutoSizeColumns(false, 10);
}

void TExStringGrid::SetFlat(bool Value) {
    FFlat = Value;
    if (!Loading())
        Invalidate();
}

void TExStringGrid::SetBorderStyle(TBorderStyle Value) {
    SetAndInvalidate(FBorderStyle, Value);
}

void TExStringGrid::SetBorderColor(TColor Value) {
    if (FBorderColor == Value)
        return;
    FBorderColor = Value;
    if (Parent())
        PaintOuterBorder();
}

void TExStringGrid::SetAutoThemeAdapt(bool Value) {
    if (FAutoThemeAdapt == Value)
        return;
    FAutoThemeAdapt = Value;
    FSearchFooter->SetAutoThemeAdapt(Value);
    if (Value) {
        AdaptToOfficeTheme();
        Invalidate();
    }
    if (Designing() || Loading() || !Parent())
        return;
    if (TThemeNotifier* notifier = GetThemeNotifier(this)) {
        if (Value)
            notifier->RegisterWindow(this);
        else
            notifier->UnRegisterWindow(this);
    }
}

void TExStringGrid::SetCursor(TCursor Value) {
    TBaseGrid::SetCursor(Value);
    FOldCursor = Value;
}

void TExStringGrid::SetLookupItems(const TStringList* Value) {
    if (!Value)
        return;
    FLookupItems->Clear();
    for (const std::string& line : *Value)
        FLookupItems->Add(line);
}

void TExStringGrid::SetFixedFont(const TFont* Value) {
    if (Value)
        FFixedFont->Assign(*Value);
    Invalidate();
}

void TExStringGrid::SetActiveCellFont(const TFont* Value) {
    if (Value)
        FActiveCellFont->Assign(*Value);
    Invalidate();
}

void TExStringGrid::SetULKGradientFrom(TColor Value) {
    SetAndInvalidate(FULKGradientFrom, ColorToRGB(Value));
}

void TExStringGrid::SetULKGradientTo(TColor Value) {
    SetAndInvalidate(FULKGradientTo, ColorToRGB(Value));
}

void TExStringGrid::SetULKGradientMirrorFrom(TColor Value) {
    SetAndInvalidate(FULKGradientMirrorFrom, Value == clNone ? clNone : ColorToRGB(Value));
}

void TExStringGrid::SetULKGradientMirrorTo(TColor Value) {
    SetAndInvalidate(FULKGradientMirrorTo, Value == clNone ? clNone : ColorToRGB(Value));
}

// --- owned objects: a write copies into the grid's own object ----------------------------------

void TExStringGrid::SetBands(const TBands* Value) {
    FBands->Assign(Value);
    Invalidate();
}

void TExStringGrid::SetFocusHelper(const TFocusHelper* Value) {
    FFocusHelper->Assign(Value);
}

void TExStringGrid::SetBackGround(const TBackGround* Value) {
    FBackGround->Assign(Value);
}

void TExStringGrid::SetShowModified(const TShowModified* Value) {
    FShowModified->Assign(Value);
}

void TExStringGrid::SetBalloon(const TBalloonSettings* Value) {
    FBalloonSettings->Assign(Value);
}

void TExStringGrid::SetProgressAppearance(const TGridProgressAppearance* Value) {
    FProgressAppearance->Assign(Value);
}

void TExStringGrid::SetDragScrollOptions(const TDragScrollOptions* Value) {
    FDragScrollOptions->Assign(Value);
}

void TExStringGrid::SetSortSettings(const TSortSettings* Value) {
    FSortSettings->Assign(Value);
}

void TExStringGrid::SetRowIndicator(const TBitmap* Value) {
    FRowIndicator->Assign(Value);
    RepaintCell(0, Row());
}
