#include "grid/stringgrid/ControlLook.h"

#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/FooterAppearance.h"
#include "grid/stringgrid/HeaderAppearance.h"
#include "platform/ui/Bitmap.h"

TControlLook::TControlLook(TExStringGrid* AGrid)
    : FGrid(AGrid), FCheckedGlyph(std::make_unique<TBitmap>()),
      FUnCheckedGlyph(std::make_unique<TBitmap>()), FRadioOnGlyph(std::make_unique<TBitmap>()),
      FRadioOffGlyph(std::make_unique<TBitmap>()),
      FDropDownHeader(std::make_unique<THeaderAppearance>(AGrid)),
      FDropDownFooter(std::make_unique<TFooterAppearance>(AGrid)) {}

TControlLook::~TControlLook() = default;

void TControlLook::Assign(const TObject* Source) {
    const auto* source = dynamic_cast<const TControlLook*>(Source);
    if (!source)
        return;
    FCheckSize = source->FCheckSize;
    FRadioSize = source->FRadioSize;
    FControlStyle = source->FControlStyle;
    FCheckedGlyph->Assign(source->FCheckedGlyph.get());
    FUnCheckedGlyph->Assign(source->FUnCheckedGlyph.get());
    FRadioOnGlyph->Assign(source->FRadioOnGlyph.get());
    FRadioOffGlyph->Assign(source->FRadioOffGlyph.get());
    FProgressMarginX = source->FProgressMarginX;
    FProgressMarginY = source->FProgressMarginY;
    FCommentColor = source->FCommentColor;
    FColor = source->FColor;
    ProgressBorderColor = source->ProgressBorderColor;
    CheckAlwaysActive = source->CheckAlwaysActive;
    RadioAlwaysActive = source->RadioAlwaysActive;
    SetFixedGradientFrom(source->FFixedGradientFrom);
    SetFixedGradientTo(source->FFixedGradientTo);
    SetFixedGradientMirrorFrom(source->FFixedGradientMirrorFrom);
    SetFixedGradientMirrorTo(source->FFixedGradientMirrorTo);
    SetFixedGradientHoverFrom(source->FFixedGradientHoverFrom);
    SetFixedGradientHoverTo(source->FFixedGradientHoverTo);
    SetFixedGradientHoverMirrorFrom(source->FFixedGradientHoverMirrorFrom);
    SetFixedGradientHoverMirrorTo(source->FFixedGradientHoverMirrorTo);
    SetFixedGradientHoverBorder(source->FFixedGradientHoverBorder);
    SetFixedGradientDownFrom(source->FFixedGradientDownFrom);
    SetFixedGradientDownTo(source->FFixedGradientDownTo);
    SetFixedGradientDownMirrorFrom(source->FFixedGradientDownMirrorFrom);
    SetFixedGradientDownMirrorTo(source->FFixedGradientDownMirrorTo);
    SetFixedGradientDownBorder(source->FFixedGradientDownBorder);
    FDropDownAlwaysVisible = source->FDropDownAlwaysVisible;
    FSpinButtonsAlwaysVisible = source->FSpinButtonsAlwaysVisible;
    DropDownCount = source->DropDownCount;
    FDropDownFooter->Assign(source->FDropDownFooter.get());
    FDropDownHeader->Assign(source->FDropDownHeader.get());
    HintMaxWidth = source->HintMaxWidth;
}

void TControlLook::Init() {
    const TControlLook initial;
    FColor = initial.FColor;
    FCommentColor = initial.FCommentColor;
    ProgressBorderColor = initial.ProgressBorderColor;
    FFixedGradientFrom = initial.FFixedGradientFrom;
    FFixedGradientTo = initial.FFixedGradientTo;
    FFixedGradientMirrorFrom = initial.FFixedGradientMirrorFrom;
    FFixedGradientMirrorTo = initial.FFixedGradientMirrorTo;
    FFixedGradientHoverFrom = initial.FFixedGradientHoverFrom;
    FFixedGradientHoverTo = initial.FFixedGradientHoverTo;
    FFixedGradientHoverBorder = initial.FFixedGradientHoverBorder;
    FFixedGradientDownFrom = initial.FFixedGradientDownFrom;
    FFixedGradientDownTo = initial.FFixedGradientDownTo;
    FFixedGradientDownBorder = initial.FFixedGradientDownBorder;
    SetFixedGradientHoverMirrorFrom(initial.FFixedGradientHoverMirrorFrom);
    SetFixedGradientHoverMirrorTo(initial.FFixedGradientHoverMirrorTo);
    SetFixedGradientDownMirrorFrom(initial.FFixedGradientDownMirrorFrom);
    SetFixedGradientDownMirrorTo(initial.FFixedGradientDownMirrorTo);
}

template <typename T> void TControlLook::SetAndRepaint(T& Field, T Value) {
    Field = Value;
    if (FGrid)
        FGrid->Invalidate();
}

void TControlLook::SetControlStyle(TGridControlStyle Value) {
    SetAndRepaint(FControlStyle, Value);
}
void TControlLook::SetCheckSize(int Value) {
    SetAndRepaint(FCheckSize, Value);
}
void TControlLook::SetRadioSize(int Value) {
    SetAndRepaint(FRadioSize, Value);
}
void TControlLook::SetDropDownAlwaysVisible(bool Value) {
    SetAndRepaint(FDropDownAlwaysVisible, Value);
}
void TControlLook::SetSpinButtonsAlwaysVisible(bool Value) {
    SetAndRepaint(FSpinButtonsAlwaysVisible, Value);
}
void TControlLook::SetColor(TColor Value) {
    SetAndRepaint(FColor, Value);
}
void TControlLook::SetCommentColor(TColor Value) {
    SetAndRepaint(FCommentColor, Value);
}
void TControlLook::SetFlatButton(bool Value) {
    SetAndRepaint(FFlatButton, Value);
}
void TControlLook::SetProgressXP(bool Value) {
    SetAndRepaint(FProgressXP, Value);
}
void TControlLook::SetProgressMarginX(int Value) {
    SetAndRepaint(FProgressMarginX, Value);
}
void TControlLook::SetProgressMarginY(int Value) {
    SetAndRepaint(FProgressMarginY, Value);
}

void TControlLook::SetNoDisabledCheckRadioLook(bool Value) {
    SetAndRepaint(FNoDisabledCheckRadioLook, Value);
}

void TControlLook::SetNoDisabledButtonLook(bool Value) {
    SetAndRepaint(FNoDisabledButtonLook, Value);
}

void TControlLook::SetGlyph(std::unique_ptr<TBitmap>& Glyph, const TBitmap* Value) {
    Glyph->Assign(Value);
    if (FGrid)
        FGrid->Invalidate();
}

void TControlLook::SetCheckedGlyph(const TBitmap* Value) {
    SetGlyph(FCheckedGlyph, Value);
}
void TControlLook::SetUnCheckedGlyph(const TBitmap* Value) {
    SetGlyph(FUnCheckedGlyph, Value);
}
void TControlLook::SetRadioOnGlyph(const TBitmap* Value) {
    SetGlyph(FRadioOnGlyph, Value);
}
void TControlLook::SetRadioOffGlyph(const TBitmap* Value) {
    SetGlyph(FRadioOffGlyph, Value);
}

void TControlLook::SetDropDownHeader(const THeaderAppearance* Value) {
    FDropDownHeader->Assign(Value);
}

void TControlLook::SetDropDownFooter(const TFooterAppearance* Value) {
    FDropDownFooter->Assign(Value);
}

void TControlLook::SetGradient(TColor& Field, TColor Value,
                               void (TExStringGrid::*GridSetter)(TColor), bool PassNone) {
    Field = Value;
    if (FGrid && (PassNone || Value != clNone))
        (FGrid->*GridSetter)(Value);
}

void TControlLook::SetFixedGradientFrom(TColor Value) {
    SetGradient(FFixedGradientFrom, Value, &TExStringGrid::SetULKGradientFrom, false);
}
void TControlLook::SetFixedGradientTo(TColor Value) {
    SetGradient(FFixedGradientTo, Value, &TExStringGrid::SetULKGradientTo, false);
}
void TControlLook::SetFixedGradientMirrorFrom(TColor Value) {
    SetGradient(FFixedGradientMirrorFrom, Value, &TExStringGrid::SetULKGradientMirrorFrom, true);
}
void TControlLook::SetFixedGradientMirrorTo(TColor Value) {
    SetGradient(FFixedGradientMirrorTo, Value, &TExStringGrid::SetULKGradientMirrorTo, true);
}
void TControlLook::SetFixedGradientHoverFrom(TColor Value) {
    SetGradient(FFixedGradientHoverFrom, Value, &TExStringGrid::SetULKGradientHoverFrom, false);
}
void TControlLook::SetFixedGradientHoverTo(TColor Value) {
    SetGradient(FFixedGradientHoverTo, Value, &TExStringGrid::SetULKGradientHoverTo, false);
}
void TControlLook::SetFixedGradientHoverMirrorFrom(TColor Value) {
    SetGradient(FFixedGradientHoverMirrorFrom, Value, &TExStringGrid::SetULKGradientHoverMirrorFrom,
                true);
}
void TControlLook::SetFixedGradientHoverMirrorTo(TColor Value) {
    SetGradient(FFixedGradientHoverMirrorTo, Value, &TExStringGrid::SetULKGradientHoverMirrorTo,
                true);
}
void TControlLook::SetFixedGradientHoverBorder(TColor Value) {
    SetGradient(FFixedGradientHoverBorder, Value, &TExStringGrid::SetULKGradientHoverBorder, false);
}
void TControlLook::SetFixedGradientDownFrom(TColor Value) {
    SetGradient(FFixedGradientDownFrom, Value, &TExStringGrid::SetULKGradientDownFrom, false);
}
void TControlLook::SetFixedGradientDownTo(TColor Value) {
    SetGradient(FFixedGradientDownTo, Value, &TExStringGrid::SetULKGradientDownTo, false);
}
void TControlLook::SetFixedGradientDownMirrorFrom(TColor Value) {
    SetGradient(FFixedGradientDownMirrorFrom, Value, &TExStringGrid::SetULKGradientDownMirrorFrom,
                true);
}
void TControlLook::SetFixedGradientDownMirrorTo(TColor Value) {
    SetGradient(FFixedGradientDownMirrorTo, Value, &TExStringGrid::SetULKGradientDownMirrorTo,
                true);
}
void TControlLook::SetFixedGradientDownBorder(TColor Value) {
    SetGradient(FFixedGradientDownBorder, Value, &TExStringGrid::SetULKGradientDownBorder, false);
}
